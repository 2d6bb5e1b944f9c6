#include "ProgramRunner.h"
#include "ShiftOutWindow.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("shiftout");
    info.buildBoard = &ShiftOutWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<ShiftOutWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
