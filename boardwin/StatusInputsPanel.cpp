#include "StatusInputsPanel.h"

#include "StatusInputs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace {

void showState(QCheckBox* box, bool asserted)
{
    if (box->isChecked() == asserted)
        return;
    const QSignalBlocker blocker(box);
    box->setChecked(asserted);
}

} // namespace

StatusInputsPanel::StatusInputsPanel(StatusInputs& inputs, QWidget* parent)
    : BoardPanel(tr("Status inputs"), parent), inputs_(inputs)
{
    auto* row = new QHBoxLayout(this);
    cts = new QCheckBox(QStringLiteral("CTS"), this);
    cd = new QCheckBox(QStringLiteral("CD"), this);
    dsr = new QCheckBox(QStringLiteral("DSR"), this);
    row->addWidget(cts);
    row->addWidget(cd);
    row->addWidget(dsr);
    row->addStretch();
    refresh();

    connect(cts, &QCheckBox::toggled, this, [this](bool on) { inputs_.setCts(on); });
    connect(cd, &QCheckBox::toggled, this, [this](bool on) { inputs_.setCd(on); });
    connect(dsr, &QCheckBox::toggled, this, [this](bool on) { inputs_.setDsr(on); });
}

void StatusInputsPanel::refresh()
{
    showState(cts, inputs_.cts());
    showState(cd, inputs_.cd());
    showState(dsr, inputs_.dsr());
}
