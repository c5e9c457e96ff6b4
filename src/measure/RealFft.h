// Forward and inverse FFT of real signals of one even length (KissFFT underneath), with the
// plan made once and reused for every transform of that length.
#pragma once

#include <complex>
#include <memory>
#include <vector>

namespace corva::measure {

using Spectrum = std::vector<std::complex<double>>;  // bins 0..size/2

class RealFft {
public:
    // `size` must be even; sizes of powers of 2, 3 and 5 are fastest (see GoodFftSize).
    explicit RealFft(int size);
    ~RealFft();
    RealFft(const RealFft&) = delete;
    RealFft& operator=(const RealFft&) = delete;

    int size() const { return size_; }
    // `signal` is zero-padded or cut to size(); size()/2 + 1 bins.
    Spectrum Forward(const std::vector<double>& signal) const;
    // The real signal of size() samples whose Forward is `spectrum` (scaled by 1/size()).
    std::vector<double> Inverse(const Spectrum& spectrum) const;

private:
    struct Plans;
    int size_;
    std::unique_ptr<Plans> plans_;
};

// The smallest length of the form 2^a 3^b 5^c (even) not below `samples`.
int GoodFftSize(int samples);

}  // namespace corva::measure
