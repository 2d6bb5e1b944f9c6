#pragma once

#include "PartVisitor.h"

#include <QCoreApplication>

#include <vector>

class BoardPanel;
class QWidget;

// Makes the panel of every part it is shown that has one, in the order shown; the panels
// are children of `parent`.
class PartPanels : public PartVisitor {
    Q_DECLARE_TR_FUNCTIONS(PartPanels)

public:
    explicit PartPanels(QWidget* parent) : parent_(parent) {}

    const std::vector<BoardPanel*>& panels() const { return panels_; }

    using PartVisitor::visit;
    void visit(TemperatureSensor& sensor) override;
    void visit(Pcf8591Converter& converter) override;
    void visit(Pcf8574Expander& expander) override;
    void visit(LatchedShiftRegister& shifter) override;
    void visit(SerialReceiver& receiver) override;
    void visit(StatusInputs& inputs) override;

private:
    QWidget* parent_;
    std::vector<BoardPanel*> panels_;
};
