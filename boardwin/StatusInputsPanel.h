#pragma once

#include "BoardPanel.h"

#include <QCoreApplication>

class QCheckBox;
class StatusInputs;

// The three switches on the port's status inputs: checked = asserted.
class StatusInputsPanel : public BoardPanel {
    Q_DECLARE_TR_FUNCTIONS(StatusInputsPanel)

public:
    StatusInputsPanel(StatusInputs& inputs, QWidget* parent = nullptr);

    void refresh() override;

    QCheckBox* cts;
    QCheckBox* cd;
    QCheckBox* dsr;

private:
    StatusInputs& inputs_;
};
