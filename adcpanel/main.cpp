#include "AdcPanelWindow.h"
#include "ProgramRunner.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("adcpanel");
    info.buildBoard = &AdcPanelWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<AdcPanelWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
