#include "LineProbeWindow.h"
#include "ProgramRunner.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("lineprobe");
    info.buildBoard = &LineProbeWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<LineProbeWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
