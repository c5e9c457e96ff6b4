// corva-dsp: the desktop program.
#include <QApplication>
#include <QCoreApplication>

#include "shell/app/AppOptions.h"
#include "shell/app/Application.h"
#include "sim/SimulatedProcessorKit.h"

int main(int argc, char** argv) {
    corva::shell::PrepareProcess();
    {
        // --help, --version and a wrong command line are answered before anything asks for a
        // display, so they work on a machine without one.
        const QCoreApplication options(argc, argv);
        if (const auto answered =
                corva::shell::AnswerWithoutWindow(QCoreApplication::arguments())) {
            return *answered;
        }
    }
    QApplication app(argc, argv);
    // The demonstration's simulated processor, handed to the engine from here only.
    return corva::shell::RunProgram(app, corva::sim::SimulatedProcessorKit::Factory());
}
