// corva-dsp: the desktop program.
#include <QApplication>

#include "shell/Application.h"

int main(int argc, char** argv) {
    corva::shell::PrepareProcess();
    QApplication app(argc, argv);
    return corva::shell::RunProgram(app);
}
