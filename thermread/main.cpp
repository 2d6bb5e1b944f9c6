#include "ProgramRunner.h"
#include "TemperatureSensor.h"
#include "ThermReadWindow.h"
#include "TwoWireBus.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("thermread");
    info.buildBoard = [](Board& board) { board.add<TwoWireBus>().add<TemperatureSensor>(); };
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<ThermReadWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
