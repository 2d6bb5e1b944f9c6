#pragma once

class TwoWireBus;
class TemperatureSensor;
class Pcf8591Converter;
class Pcf8574Expander;
class LatchedShiftRegister;
class SerialReceiver;
class StatusInputs;

// Finds the parts of a board by what they are, without asking each one: Board::accept shows
// the visitor every part, and the bus every chip it carries, in the order they were added.
// A visitor overrides the kinds it wants.
class PartVisitor {
public:
    virtual ~PartVisitor() = default;
    virtual void visit(TwoWireBus&) {}
    virtual void visit(TemperatureSensor&) {}
    virtual void visit(Pcf8591Converter&) {}
    virtual void visit(Pcf8574Expander&) {}
    virtual void visit(LatchedShiftRegister&) {}
    virtual void visit(SerialReceiver&) {}
    virtual void visit(StatusInputs&) {}
};
