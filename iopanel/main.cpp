#include "IoPanelWindow.h"
#include "ProgramRunner.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("iopanel");
    info.buildBoard = &IoPanelWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<IoPanelWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
