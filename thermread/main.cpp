#include "ProgramRunner.h"
#include "ThermReadWindow.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("thermread");
    info.buildBoard = &ThermReadWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<ThermReadWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
