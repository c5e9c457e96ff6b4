#include "measure/RealFft.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <stdexcept>

namespace corva::measure {

struct RealFft::Plans {
    kiss_fftr_cfg forward = nullptr;
    kiss_fftr_cfg inverse = nullptr;
    ~Plans() {
        kiss_fftr_free(forward);
        kiss_fftr_free(inverse);
    }
};

RealFft::RealFft(int size) : size_{size}, plans_{std::make_unique<Plans>()} {
    if (size < 2 || size % 2 != 0) {
        throw std::invalid_argument("FFT size must be even");
    }
    plans_->forward = kiss_fftr_alloc(size, 0, nullptr, nullptr);
    plans_->inverse = kiss_fftr_alloc(size, 1, nullptr, nullptr);
    if (plans_->forward == nullptr || plans_->inverse == nullptr) {
        throw std::bad_alloc();
    }
}

RealFft::~RealFft() = default;

Spectrum RealFft::Forward(const std::vector<double>& signal) const {
    std::vector<kiss_fft_scalar> in(static_cast<std::size_t>(size_), 0.0f);
    const std::size_t count = std::min(signal.size(), in.size());
    for (std::size_t i = 0; i < count; ++i) {
        in[i] = static_cast<kiss_fft_scalar>(signal[i]);
    }
    std::vector<kiss_fft_cpx> out(static_cast<std::size_t>(size_ / 2 + 1));
    kiss_fftr(plans_->forward, in.data(), out.data());
    Spectrum spectrum(out.size());
    for (std::size_t k = 0; k < out.size(); ++k) {
        spectrum[k] = {out[k].r, out[k].i};
    }
    return spectrum;
}

std::vector<double> RealFft::Inverse(const Spectrum& spectrum) const {
    std::vector<kiss_fft_cpx> in(static_cast<std::size_t>(size_ / 2 + 1));
    const std::size_t count = std::min(spectrum.size(), in.size());
    for (std::size_t k = 0; k < count; ++k) {
        in[k].r = static_cast<kiss_fft_scalar>(spectrum[k].real());
        in[k].i = static_cast<kiss_fft_scalar>(spectrum[k].imag());
    }
    std::vector<kiss_fft_scalar> out(static_cast<std::size_t>(size_));
    kiss_fftri(plans_->inverse, in.data(), out.data());
    std::vector<double> signal(out.size());
    const double scale = 1.0 / size_;
    for (std::size_t i = 0; i < out.size(); ++i) {
        signal[i] = out[i] * scale;
    }
    return signal;
}

int GoodFftSize(int samples) {
    for (int n = std::max(2, samples);; ++n) {
        if (n % 2 != 0) {
            continue;
        }
        int rest = n;
        for (const int factor : {2, 3, 5}) {
            while (rest % factor == 0) {
                rest /= factor;
            }
        }
        if (rest == 1) {
            return n;
        }
    }
}

}  // namespace corva::measure
