#pragma once

#include "Series.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

// Records a window's readings into a CSV file as they come: the heading at once, then a row
// per entry, written out at least once a second and when the recording ends, so that a crash
// loses a second at most. A write that fails stops the recording and says why, once.
class CsvRecorder : public QObject {
    Q_DECLARE_TR_FUNCTIONS(CsvRecorder)

public:
    using Failure = std::function<void(const QString& message)>;

    // The file created (or emptied) with its heading; null with `error` set when it cannot be.
    static std::unique_ptr<CsvRecorder> create(const QString& path, std::vector<Series> series, QDateTime startUtc,
                                               QString& error);
    ~CsvRecorder() override;

    // `failed` is told once when a write fails; the recording has stopped by then.
    void onFailure(Failure failed) { failed_ = std::move(failed); }
    void row(double seconds, const std::vector<double>& values);
    // Writes what waits; false when the recording failed (now or before).
    bool flush();
    bool failed() const { return !file_.isOpen(); }
    QString path() const { return file_.fileName(); }

private:
    CsvRecorder(const QString& path, std::vector<Series> series, QDateTime startUtc);
    void fail(const QString& reason);

    QFile file_;
    std::vector<Series> series_;
    QDateTime startUtc_;
    QByteArray pending_;
    QTimer* flushTimer_;
    Failure failed_;
};
