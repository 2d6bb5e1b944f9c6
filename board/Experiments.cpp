#include "Experiments.h"

#include "Board.h"
#include "LatchedShiftRegister.h"
#include "Pcf8574Expander.h"
#include "Pcf8591Converter.h"
#include "SerialReceiver.h"
#include "StatusInputs.h"
#include "TemperatureSensor.h"
#include "TwoWireBus.h"

namespace experiments {

void sensorBoard(Board& board)
{
    board.add<TwoWireBus>().add<TemperatureSensor>();
}

void converterBoard(Board& board)
{
    board.add<TwoWireBus>().add<Pcf8591Converter>();
}

void expanderBoard(Board& board)
{
    auto& bus = board.add<TwoWireBus>();
    // Nothing answers at the PCF8574A addresses.
    bus.add<Pcf8574Expander>(Pcf8574Expander::Pcf8574Address7);
    bus.add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574Address7 + 1));
}

void shiftRegisterBoard(Board& board)
{
    board.add<LatchedShiftRegister>();
}

void serialReceiverBoard(Board& board)
{
    board.add<SerialReceiver>();
}

void statusInputsBoard(Board& board)
{
    board.add<StatusInputs>();
}

} // namespace experiments
