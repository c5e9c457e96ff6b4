// The fixture most command-line tests start from: a scratch folder of their own, runs against
// the built-in simulator whose memory persists in that folder, and runs that need no processor.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliProcess.h"

namespace corva::test {

class CliFixture : public ::testing::Test {
protected:
    CliRun Sim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--sim", "--sim-state", scratch.File("state")});
        return RunCli(args, scratch.path());
    }
    CliRun Offline(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunCli(args, scratch.path());
    }

    ScratchDir scratch;
};

}  // namespace corva::test
