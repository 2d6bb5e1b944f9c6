#include "IoPanelWindow.h"
#include "Pcf8574Expander.h"
#include "ProgramRunner.h"
#include "TwoWireBus.h"

int main(int argc, char** argv)
{
    ProgramInfo info;
    info.name = QStringLiteral("iopanel");
    info.buildBoard = [](Board& board) {
        auto& bus = board.add<TwoWireBus>();
        // Address pins 000 and 001; nothing answers at the PCF8574A addresses.
        bus.add<Pcf8574Expander>(Pcf8574Expander::Pcf8574Base);
        bus.add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574Base + 1));
    };
    info.createWindow = [](MSComm::Setup setup) { return std::make_unique<IoPanelWindow>(std::move(setup)); };
    return runProgram(argc, argv, info);
}
