// A whole program on the simulated processor whose file dialogs answer from a script, with the
// waits and look-ups the file tests share (synchronising, idling, stored names, last message).
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "ScriptedFileChooser.h"
#include "ShellTestSupport.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ProgressWindow.h"

namespace corva::shell::test {

class FileProgramFixture : public ::testing::Test {
protected:
    FileProgramFixture() {
        auto chooser = std::make_unique<ScriptedFileChooser>();
        files = chooser.get();
        program.context->SetFileChooser(std::move(chooser));
        program.context->settings().EnsureDataFolder();
    }

    TopBar& bar() { return program.view().topBar(); }
    bool Synchronise() {
        program.view().StartupConnect();
        return program.WaitSynchronised() && WaitIdle();
    }
    bool WaitIdle() {
        return WaitFor([this] {
            return !program.view().progress().running() &&
                   program.context->session().NothingLeftToSend();
        });
    }
    std::string StoredName(int preset) const {
        return program.context->session()
            .Snapshot()
            .presetNames[static_cast<std::size_t>(preset - 1)];
    }
    QString LastMessage() const {
        return program.messages->shown.empty() ? QString() : program.messages->shown.back().text;
    }

    Program program;
    ScriptedFileChooser* files = nullptr;
};

}  // namespace corva::shell::test
