#include "PartPanels.h"

#include "ConverterPanel.h"
#include "ExpanderPanel.h"
#include "LatchedOutputsPanel.h"
#include "LatchedShiftRegister.h"
#include "SensorPanel.h"
#include "SerialReceiver.h"
#include "StatusInputsPanel.h"

void PartPanels::visit(TemperatureSensor& sensor)
{
    panels_.push_back(new SensorPanel(sensor, parent_));
}

void PartPanels::visit(Pcf8591Converter& converter)
{
    panels_.push_back(new ConverterPanel(converter, parent_));
}

void PartPanels::visit(Pcf8574Expander& expander)
{
    panels_.push_back(new ExpanderPanel(expander, parent_));
}

void PartPanels::visit(LatchedShiftRegister& shifter)
{
    panels_.push_back(new LatchedOutputsPanel(tr("Shift register outputs"),
                                              [&shifter] { return shifter.outputs(); }, {}, parent_));
}

void PartPanels::visit(SerialReceiver& receiver)
{
    panels_.push_back(new LatchedOutputsPanel(tr("Serial receiver outputs"),
                                              [&receiver] { return receiver.outputs(); },
                                              [&receiver] { return receiver.framingErrors(); }, parent_));
}

void PartPanels::visit(StatusInputs& inputs)
{
    panels_.push_back(new StatusInputsPanel(inputs, parent_));
}
