// The program from start to end: the command line, the settings and language at start-up,
// the window, the start-up connection, and the event loop (or the screenshot run).
#pragma once

#include "host/SimulatedProcessors.h"

class QApplication;

namespace corva::shell {

// What must be settled before the QApplication exists (the fixed pixel layout).
void PrepareProcess();

// Runs the program in `app` with the simulated processor that `simulator` makes for the
// demonstration; returns the process exit code.
int RunProgram(QApplication& app, host::SimulatedProcessorFactory simulator);

}  // namespace corva::shell
