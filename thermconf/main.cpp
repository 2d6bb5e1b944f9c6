#include "ProgramRunner.h"
#include "TemperatureSensor.h"
#include "ThermConfWindow.h"
#include "TwoWireBus.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("thermconf");
    info.buildBoard = [](Board& board) { board.add<TwoWireBus>().add<TemperatureSensor>(); };
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<ThermConfWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
