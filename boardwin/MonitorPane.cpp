#include "MonitorPane.h"

#include "BusMonitor.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

MonitorPane::MonitorPane(BusMonitor& monitor, QWidget* parent)
    : QGroupBox(QStringLiteral("Bus monitor"), parent), monitor_(monitor)
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
    clearButton = new QPushButton(QStringLiteral("Clear"), this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lines, 1);
    column->addWidget(clearButton, 0, Qt::AlignRight);

    connect(clearButton, &QPushButton::clicked, this, &MonitorPane::clear);
}

void MonitorPane::refresh()
{
    std::vector<std::string> fresh = monitor_.takeNew();
    if (fresh.empty())
        return;
    std::string text;
    for (const std::string& line : fresh) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    lines->appendPlainText(QString::fromStdString(text));
}

void MonitorPane::clear()
{
    monitor_.dropNew();
    lines->clear();
}
