// The program from start to end: the command line, the settings and language at start-up,
// the window, the start-up connection, and the event loop (or the screenshot run).
#pragma once

class QApplication;

namespace corva::shell {

// What must be settled before the QApplication exists (the fixed pixel layout).
void PrepareProcess();

// Runs the program in `app`; returns the process exit code.
int RunProgram(QApplication& app);

}  // namespace corva::shell
