#include "AdcPanelWindow.h"
#include "Pcf8591Converter.h"
#include "ProgramRunner.h"
#include "TwoWireBus.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("adcpanel");
    info.buildBoard = [](Board& board) { board.add<TwoWireBus>().add<Pcf8591Converter>(); };
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<AdcPanelWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
