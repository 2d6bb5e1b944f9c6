#include "CheckWindow.h"

#include "BoardCheck.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CheckWindow::CheckWindow(std::unique_ptr<BoardCheck> check, const QString& programName, KeepSettle keep)
    : check_(std::move(check)), keep_(std::move(keep)), progress_(new QProgressBar(this)), report_(new QPlainTextEdit(this)),
      note_(new QLabel(this)), remember_(new QPushButton(tr("&Remember this settle"), this)),
      copy_(new QPushButton(tr("&Copy report"), this)), steps_(new QTimer(this))
{
    setWindowTitle(tr("%1: check the board and adapter (COM%2)").arg(programName, QString::number(check_->commPort())));
    progress_->setRange(0, check_->steps());
    report_->setReadOnly(true);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The prose wraps; the grid's rows (52 characters) never do at this width.
    const QFontMetrics metrics(report_->font());
    report_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * 80, metrics.lineSpacing() * 22);
    remember_->setEnabled(false);
    copy_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note_, 1);
    buttons->addWidget(remember_);
    buttons->addWidget(copy_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(report_, 1);
    layout->addLayout(buttons);
    steps_->setInterval(0);
    connect(steps_, &QTimer::timeout, this, [this] { nextStep(); });
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(check_->report()); });
    connect(remember_, &QPushButton::clicked, this, [this] { rememberSettle(); });
}

CheckWindow::~CheckWindow() = default;

void CheckWindow::start() { steps_->start(); }

bool CheckWindow::passed() const { return check_->passed(); }

void CheckWindow::nextStep()
{
    const bool more = check_->step();
    progress_->setValue(check_->stepsDone());
    if (report_->toPlainText() != check_->report())
        report_->setPlainText(check_->report());
    if (more)
        return;
    steps_->stop();
    progress_->setValue(progress_->maximum());
    copy_->setEnabled(true);
    remember_->setEnabled(check_->settleToKeep().has_value());
}

void CheckWindow::rememberSettle()
{
    QString error;
    if (keep_(*check_, error))
        note_->setText(tr("Settle %1 µs kept for COM%2.").arg(check_->settleToKeep()->count()).arg(check_->commPort()));
    else
        note_->setText(error);
}
