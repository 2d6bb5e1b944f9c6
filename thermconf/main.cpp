#include "ProgramRunner.h"
#include "ThermConfWindow.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("thermconf");
    info.buildBoard = &ThermConfWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<ThermConfWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
