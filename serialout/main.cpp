#include "ProgramRunner.h"
#include "SerialOutWindow.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("serialout");
    info.buildBoard = &SerialOutWindow::buildVirtualBoard;
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<SerialOutWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
