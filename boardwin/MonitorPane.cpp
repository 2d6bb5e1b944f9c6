#include "MonitorPane.h"

#include "BusMonitor.h"
#include "VcdWriter.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include <cerrno>
#include <cmath>
#include <cstring>

MonitorPane::MonitorPane(BusMonitor& monitor, BusLines busLines, QWidget* parent)
    : QGroupBox(tr("Bus monitor"), parent), monitor_(monitor), busLines_(busLines)
{
    lines = new QPlainTextEdit(this);
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines->setMaximumBlockCount(int(BusMonitor::Kept));
    lines->setUndoRedoEnabled(false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(font().pointSize());
    lines->setFont(fixed);
    lines->setMinimumHeight(lines->fontMetrics().lineSpacing() * 8);
    //: Empties the monitor's list of lines.
    clearButton = new QPushButton(tr("Clear"), this);
    saveButton = busLines_ == BusLines::None ? nullptr : new QPushButton(tr("Save as VCD…"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (saveButton)
        buttons->addWidget(saveButton);
    buttons->addWidget(clearButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lines, 1);
    column->addLayout(buttons);

    connect(clearButton, &QPushButton::clicked, this, &MonitorPane::clear);
    if (saveButton)
        connect(saveButton, &QPushButton::clicked, this, &MonitorPane::saveAs);
    connect(lines, &QPlainTextEdit::cursorPositionChanged, this, &MonitorPane::cursorMoved);
}

bool MonitorPane::refresh()
{
    std::vector<BusMonitor::Line> fresh = monitor_.takeNew();
    if (fresh.empty())
        return false;
    std::string text;
    for (BusMonitor::Line& line : fresh) {
        if (!text.empty())
            text += '\n';
        text += line.text;
        captures_.push_back(std::move(line.capture));
    }
    appending_ = true;
    lines->appendPlainText(QString::fromStdString(text));
    appending_ = false;
    // The document drops its oldest lines beyond the limit: so do the captures.
    while (captures_.size() > std::size_t(lines->blockCount()))
        captures_.pop_front();
    if (selected_)
        highlight();  // the selected line may have moved up
    return true;
}

void MonitorPane::clear()
{
    monitor_.dropNew();
    appending_ = true;
    lines->clear();
    appending_ = false;
    captures_.clear();
    selected_.reset();
    selectedBlock_ = -1;
    lines->setExtraSelections({});
}

std::size_t MonitorPane::capturesHeld() const
{
    std::size_t n = 0;
    for (const auto& c : captures_)
        n += c ? 1 : 0;
    return n;
}

std::shared_ptr<const BusCapture> MonitorPane::shownCapture(QString* line) const
{
    int block = -1;
    if (selected_) {
        block = selectedBlock_;
    } else {
        for (int i = int(captures_.size()) - 1; i >= 0 && block < 0; --i)
            if (captures_[std::size_t(i)])
                block = i;
    }
    if (block < 0)
        return selected_;
    if (line)
        *line = lines->document()->findBlockByNumber(block).text();
    return selected_ ? selected_ : captures_[std::size_t(block)];
}

void MonitorPane::select(int block)
{
    QTextCursor at(lines->document()->findBlockByNumber(block));
    lines->setTextCursor(at);
}

void MonitorPane::cursorMoved()
{
    if (appending_)
        return;
    const int block = lines->textCursor().blockNumber();
    const bool newest = block >= int(captures_.size()) - 1;
    const auto& capture = block >= 0 && block < int(captures_.size()) ? captures_[std::size_t(block)] : nullptr;
    if (!newest && !capture)
        return;  // a line without a waveform leaves the one shown
    selected_ = newest ? nullptr : capture;
    selectedBlock_ = newest ? -1 : block;
    highlight();
    if (selectionChanged)
        selectionChanged();
}

void MonitorPane::highlight()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (selected_) {
        // The line may have moved up as older ones went, or gone: it is found by its capture.
        selectedBlock_ = -1;
        for (std::size_t i = 0; i < captures_.size(); ++i)
            if (captures_[i] == selected_)
                selectedBlock_ = int(i);
    }
    if (selectedBlock_ >= 0) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(lines->document()->findBlockByNumber(selectedBlock_));
        mark.format.setBackground(palette().color(QPalette::Highlight));
        mark.format.setForeground(palette().color(QPalette::HighlightedText));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
    }
    lines->setExtraSelections(marks);
}

bool MonitorPane::saveVcd(const QString& path, QString& error) const
{
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file) {
        error = tr("cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const std::vector<std::string>& wires = busWires(busLines_);
    const double nsPerTick = monitor_.nsPerTick();
    {
        VcdWriter out(file, wires, std::vector<bool>(wires.size(), true));
        out.writeHeader("the board window's bus monitor, " + std::to_string(capturesHeld()) +
                        " lines; the lines are idle between them");
        for (const auto& capture : captures_) {
            if (!capture)
                continue;
            for (std::size_t w = 0; w < wires.size(); ++w)
                out.change(w, capture->before >> w & 1u, capture->start);
            for (const BusCapture::Change& c : capture->unpacked())
                for (std::size_t w = 0; w < wires.size(); ++w)
                    out.change(w, c.levels >> w & 1u,
                               capture->start + std::chrono::nanoseconds(std::llround(double(c.ticks) * nsPerTick)));
        }
    }
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed) {
        error = tr("cannot write %1").arg(path);
        return false;
    }
    return true;
}

void MonitorPane::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as VCD"), QStringLiteral("bus.vcd"),
                                                      tr("Value Change Dump (*.vcd)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveVcd(path, error))
        QMessageBox::warning(this, tr("Save as VCD"), error);
}
