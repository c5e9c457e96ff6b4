// What a processor holds when it leaves the factory: the memory the simulator starts with and
// the live record that a factory reset (system id 96) puts back.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "protocol/ImageLayout.h"
#include "protocol/ParameterImage.h"

namespace corva::sim {

// The status entry that reports the selected source; it follows system settings byte 0.
inline constexpr std::size_t kSourceStatusEntry = 14;

// The device information text (system id 17) of a simulated processor.
inline constexpr std::string_view kSimDeviceInformation = "Corva DSP 6ch simulator";

// One output channel's factory block: flat bands at 1000 Hz, crossovers open (high-pass 20 Hz,
// low-pass 20000 Hz, kind 2, slope 2), sound on at full gain, limiter 300/106/5, the routing of
// a fresh image and the channel's name in slot 36. Channel 0's name starts with a blank, because
// its first byte doubles as the protection marker, which must read as a blank when unprotected.
std::array<std::uint8_t, record::kOutputBlockSize> FactoryOutputBlock(int channel);

// The whole factory memory: the image defaults, factory output blocks in the live record and
// in every stored preset, stored presets named "Preset1".."Preset15", a blank live name, the
// device information text and a status list that reports the selected source.
ParameterImage FactoryImage();

}  // namespace corva::sim
