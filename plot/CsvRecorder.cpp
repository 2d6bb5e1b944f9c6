#include "CsvRecorder.h"

#include "CsvText.h"

#include <QFileInfo>
#include <QTimer>

namespace {

constexpr int FlushMs = 1000;

QString cannotRecord(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("CsvRecorder", "cannot record to %1: %2").arg(path, reason);
}

} // namespace

CsvRecorder::CsvRecorder(const QString& path, std::vector<Series> series, QDateTime startUtc)
    : file_(path), series_(std::move(series)), startUtc_(std::move(startUtc)), flushTimer_(new QTimer(this))
{
    flushTimer_->setInterval(FlushMs);
    connect(flushTimer_, &QTimer::timeout, this, [this] { flush(); });
}

std::unique_ptr<CsvRecorder> CsvRecorder::create(const QString& path, std::vector<Series> series, QDateTime startUtc,
                                                 QString& error)
{
    // QFile would open a folder for writing without a word; the first write would fail.
    if (QFileInfo(path).isDir()) {
        error = cannotRecord(path, tr("it is a folder"));
        return nullptr;
    }
    std::unique_ptr<CsvRecorder> recorder(new CsvRecorder(path, std::move(series), std::move(startUtc)));
    if (!recorder->file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        error = cannotRecord(path, recorder->file_.errorString());
        return nullptr;
    }
    recorder->pending_ = CsvText::header(recorder->series_);
    if (!recorder->flush()) {
        error = cannotRecord(path, recorder->file_.errorString());
        return nullptr;
    }
    return recorder;
}

CsvRecorder::~CsvRecorder()
{
    flush();
}

void CsvRecorder::row(double seconds, const std::vector<double>& values)
{
    if (failed())
        return;
    pending_ += CsvText::row(startUtc_, seconds, values, series_);
    if (!flushTimer_->isActive())
        flushTimer_->start();
}

bool CsvRecorder::flush()
{
    if (failed())
        return false;
    flushTimer_->stop();
    while (!pending_.isEmpty()) {
        const qint64 written = file_.write(pending_);
        if (written <= 0) {
            fail(file_.errorString());
            return false;
        }
        pending_.remove(0, written);
    }
    return true;
}

void CsvRecorder::fail(const QString& reason)
{
    const QString message = tr("recording to %1 stopped: %2").arg(file_.fileName(), reason);
    file_.close();
    pending_.clear();
    if (failed_)
        failed_(message);
}
