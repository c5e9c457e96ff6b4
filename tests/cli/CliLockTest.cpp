// Protection through corva-dsp-cli: the lock round trip, protected tuning shown read-only (its
// values printed, the password never), and the edits and preset files it refuses.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

class CliLockTest : public CliFixture {
protected:
    bool Protected() {
        JsonDocument info(Sim({"--json", "info"}).out);
        EXPECT_TRUE(info.ok());
        return BoolOf(info.root(), "protected");
    }
    // The exit code, after checking the refusal is exactly one line on stderr.
    int Refusal(std::vector<std::string> args) {
        const CliRun run = Sim(std::move(args));
        EXPECT_EQ(run.ErrLines().size(), 1u) << run.err;
        return run.exitCode;
    }
};

TEST_F(CliLockTest, ProtectThenUnlockWithThePassword) {
    ASSERT_EQ(Sim({"set", "FR", "gain=-2"}).exitCode, 0);
    EXPECT_EQ(Refusal({"protect", "12345"}), 1);  // six characters, no fewer
    const CliRun locked = Sim({"protect", "246810"});
    ASSERT_EQ(locked.exitCode, 0) << locked.err;
    EXPECT_EQ(locked.out, "The tuning is protected\n");

    // Read-only as in the window: the unscrambled channels are printed, the password is not.
    const CliRun infoRun = Sim({"--json", "info"});
    EXPECT_EQ(infoRun.exitCode, 0) << infoRun.err;
    JsonDocument info(infoRun.out);
    EXPECT_TRUE(BoolOf(info.root(), "protected"));
    EXPECT_EQ(TextOf(info.root(), "version"), "RUDA-DO1.00");
    EXPECT_EQ(IntOf(Channel(info, 1), "gain_code"), 580);
    EXPECT_EQ(TextOf(Channel(info, 0), "name"), "");
    EXPECT_EQ(infoRun.out.find("246810"), std::string::npos);
    const CliRun infoText = Sim({"info"});
    EXPECT_EQ(infoText.exitCode, 0);
    EXPECT_NE(infoText.out.find("Protected:   yes"), std::string::npos) << infoText.out;

    EXPECT_EQ(Refusal({"protect", "999999"}), 4);  // no new password over the old one
    EXPECT_EQ(Refusal({"unlock", "135790"}), 4);
    EXPECT_TRUE(Protected());
    const CliRun unlocked = Sim({"unlock", "246810"});
    ASSERT_EQ(unlocked.exitCode, 0) << unlocked.err;
    EXPECT_EQ(unlocked.out, "The tuning is unlocked\n");
    EXPECT_FALSE(Protected());
    // The tuning came back unscrambled.
    JsonDocument open(Sim({"--json", "info"}).out);
    EXPECT_EQ(IntOf(Channel(open, 1), "gain_code"), 580);
    EXPECT_EQ(Sim({"set", "FR", "gain=-1"}).exitCode, 0);
}

TEST_F(CliLockTest, ProtectedTuningIsReadOnlyAndStaysInside) {
    ASSERT_EQ(Sim({"protect", "secret"}).exitCode, 0);
    EXPECT_EQ(Refusal({"set", "1", "gain=-1"}), 4);
    EXPECT_EQ(Refusal({"read", "out.qvms"}), 4);
    EXPECT_EQ(Refusal({"backup", "all.qvma"}), 4);
    EXPECT_EQ(Refusal({"link", "1-2", "--from", "left"}), 4);
    EXPECT_EQ(Refusal({"diff", "live", "live"}), 4);
    EXPECT_FALSE(std::filesystem::exists(scratch.File("out.qvms")));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("all.qvma")));
    // What the window shows read-only the tool prints: the table and the response.
    const std::string measured = "20 80\n1000 81\n20000 79\n";
    WriteBytes(scratch.File("m.txt"), {measured.begin(), measured.end()});
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"table"}, {"response", "FL"}, {"response", "FL", "--measurement", "m.txt"}}) {
        const CliRun shown = Sim(args);
        EXPECT_EQ(shown.exitCode, 0) << ::testing::PrintToString(args) << shown.err;
        EXPECT_FALSE(shown.out.empty());
    }

    // A music file keeps the protection, and is not converted into a file that cannot; its
    // values are shown and exported like the processor's.
    ASSERT_EQ(Sim({"save-music", "locked.wkcs"}).exitCode, 0);
    const CliRun showRun = RunCli({"--json", "show", "locked.wkcs"}, scratch.path());
    EXPECT_EQ(showRun.exitCode, 0) << showRun.err;
    JsonDocument shown(showRun.out);
    EXPECT_TRUE(BoolOf(shown.root(), "protected"));
    EXPECT_NE(Member(shown.root(), "channels"), nullptr);
    EXPECT_EQ(showRun.out.find("secret"), std::string::npos);
    const CliRun showText = RunCli({"--lang", "en", "show", "locked.wkcs"}, scratch.path());
    EXPECT_EQ(showText.exitCode, 0);
    EXPECT_EQ(showText.out.find("secret"), std::string::npos) << showText.out;
    const CliRun table = RunCli({"table", "locked.wkcs", "--csv", "locked.csv"}, scratch.path());
    EXPECT_EQ(table.exitCode, 0) << table.err;
    EXPECT_TRUE(std::filesystem::exists(scratch.File("locked.csv")));
    EXPECT_EQ(RunCli({"diff", "locked.wkcs", "locked.wkcs"}, scratch.path()).exitCode, 4);
    const CliRun converted =
        RunCli({"--lang", "en", "convert", "locked.wkcs", "open.qvms"}, scratch.path());
    EXPECT_EQ(converted.exitCode, 4);
    EXPECT_EQ(converted.ErrLines().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(scratch.File("open.qvms")));
}

// Without a password on the command line, protect and unlock read it: one line of standard
// input, or on a terminal after a prompt with the echo off, so the password never shows.
TEST_F(CliLockTest, APasswordNotOnTheCommandLineIsReadUnseen) {
    const std::vector<std::string> sim = {"--lang", "en", "--sim", "--sim-state",
                                          scratch.File("state")};
    const auto withSim = [&](std::vector<std::string> args) {
        args.insert(args.begin(), sim.begin(), sim.end());
        return args;
    };
    int piped[2];
    ASSERT_EQ(::pipe2(piped, O_CLOEXEC), 0);
    const std::string line = "246810\n";
    ASSERT_EQ(::write(piped[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    ::close(piped[1]);
    const CliRun locked = RunCli(withSim({"protect"}), scratch.path(), 60000, piped[0]);
    ::close(piped[0]);
    ASSERT_EQ(locked.exitCode, 0) << locked.err;
    EXPECT_EQ(locked.err, "");  // no prompt when standard input is not a terminal
    EXPECT_TRUE(Protected());

    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const int typed = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(typed, 0);
    bool answered = false;
    const CliRun unlocked =
        RunCli(withSim({"unlock"}), scratch.path(), 60000, typed, [&](const std::string& err) {
            if (!answered && err.find("Password (6 characters): ") != std::string::npos) {
                answered = ::write(terminal, line.data(), line.size()) > 0;
            }
        });
    ::close(typed);
    std::string echoed;
    for (pollfd ready{terminal, POLLIN, 0};
         ::poll(&ready, 1, 0) > 0 && detail::Drain(terminal, echoed);) {
    }
    ::close(terminal);
    ASSERT_EQ(unlocked.exitCode, 0) << unlocked.err;
    EXPECT_EQ(unlocked.out, "The tuning is unlocked\n");
    EXPECT_EQ(echoed.find("246810"), std::string::npos) << echoed;
    EXPECT_FALSE(Protected());

    int empty[2];
    ASSERT_EQ(::pipe2(empty, O_CLOEXEC), 0);
    ::close(empty[1]);
    EXPECT_EQ(RunCli(withSim({"protect"}), scratch.path(), 60000, empty[0]).exitCode, 1);
    ::close(empty[0]);
}

TEST_F(CliLockTest, ResetLockReplacesOnlyProtectedTuning) {
    ASSERT_EQ(Sim({"set", "3", "gain=-30"}).exitCode, 0);
    EXPECT_EQ(Refusal({"reset-lock"}), 4);  // open tuning is never wiped by the reset
    ASSERT_EQ(Sim({"protect", "aaaaaa"}).exitCode, 0);
    const CliRun reset = Sim({"reset-lock"});
    ASSERT_EQ(reset.exitCode, 0) << reset.err;
    JsonDocument info(Sim({"--json", "info"}).out);
    EXPECT_FALSE(BoolOf(info.root(), "protected"));
    EXPECT_NE(IntOf(Channel(info, 2), "gain_code"), 300);
}

// A processor that stops answering midway through protect: the command says the protect did
// not finish (exit 3), and once the processor answers again an unlock repairs it.
TEST(CliLockChangeTest, AProtectThatDidNotFinishSaysSoAndUnlockRepairsIt) {
    ScratchDir scratch;
    const std::string state = scratch.File("memory");
    const auto run = [&](const SimulatorProcess& simulator, std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--tcp", simulator.Tcp()});
        return RunCli(args, scratch.path());
    };
    {
        // The live name and two of the six blocks arrive.
        SimulatorProcess dying(scratch.path(), {"--state", state, "--stop-after-writes", "3"});
        ASSERT_TRUE(dying.ready());
        const CliRun stopped = run(dying, {"protect", "246810"});
        EXPECT_EQ(stopped.exitCode, 3);
        EXPECT_NE(stopped.err.find("The protect did not finish"), std::string::npos) << stopped.err;
        EXPECT_EQ(stopped.out, "");
    }
    SimulatorProcess again(scratch.path(), {"--state", state});
    ASSERT_TRUE(again.ready());
    const CliRun half = run(again, {"--json", "info"});
    ASSERT_EQ(half.exitCode, 0) << half.err;
    EXPECT_FALSE(BoolOf(JsonDocument(half.out).root(), "protected"));
    const CliRun repaired = run(again, {"unlock", "000000"});
    EXPECT_EQ(repaired.exitCode, 0) << repaired.err;
    EXPECT_EQ(repaired.out, "The tuning is unlocked\n");
    EXPECT_EQ(run(again, {"unlock", "000000"}).out, "The tuning is not protected\n");
}

}  // namespace
}  // namespace corva::test
