#include "WaveformPane.h"

#include "WaveformView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WaveformPane::WaveformPane(QWidget* parent) : QGroupBox(tr("Waveform"), parent)
{
    caption = new QLabel(tr("no transaction yet"), this);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(font().pointSize());
    caption->setFont(fixed);
    caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: Zooms the waveform out to show the whole of the selected bus transaction.
    wholeButton = new QPushButton(tr("Whole transaction"), this);
    wholeButton->setToolTip(tr("Key F; the wheel zooms, Shift and the wheel scroll"));
    view = new WaveformView(this);

    auto* top = new QHBoxLayout;
    top->addWidget(caption, 1);
    top->addWidget(wholeButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(view, 1);

    connect(wholeButton, &QPushButton::clicked, view, &WaveformView::showWhole);
}

void WaveformPane::showCapture(std::shared_ptr<const BusCapture> capture, const QString& line, double nsPerTick)
{
    if (!capture || capture == shown_)
        return;
    shown_ = std::move(capture);
    caption->setText(line);
    view->setWaveform(WaveformLayout::of(*shown_, nsPerTick));
}
