// Reading a command's trace file: the frames it wrote to the processor.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace corva::test {

// The frames written to the processor (command byte 0xA1), in order, from a trace file.
inline std::vector<std::string> WrittenFrames(const std::string& trace) {
    std::vector<std::string> frames;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        const auto at = line.find(" > 71 71 71 EE A1");
        if (at != std::string::npos) {
            frames.push_back(line.substr(at + 3));
        }
    }
    return frames;
}

}  // namespace corva::test
