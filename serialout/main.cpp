#include "ProgramRunner.h"
#include "SerialOutWindow.h"
#include "SerialReceiver.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("serialout");
    info.buildBoard = [](Board& board) { board.add<SerialReceiver>(); };
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<SerialOutWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
