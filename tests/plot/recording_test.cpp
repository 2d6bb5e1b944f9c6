// The recording's file: its lines, and what happens when it cannot be written.

#include "CsvRecorder.h"
#include "CsvText.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const std::vector<Series> Two{Series::analog(QStringLiteral("AIN0"), QStringLiteral("V"), 0, 5),
                              Series::digital(QStringLiteral("a \"pin\", named"))};
const QDateTime Start = QDateTime::fromString(QStringLiteral("2026-12-09T10:00:00.000Z"), Qt::ISODateWithMs);

TEST(CsvText, ARowHasTheUtcTimeTheSecondsAndThePeriodInEveryLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CsvText::header(Two), "time (UTC),seconds,AIN0 (V),\"a \"\"pin\"\", named (0/1)\"\r\n");
    EXPECT_EQ(CsvText::row(Start, 61.2345, {2.5, 1}, Two), "2026-12-09T10:01:01.235Z,61.235,2.5,1\r\n");
    EXPECT_EQ(CsvText::row(Start, 0, {std::nan(""), 0}, Two), "2026-12-09T10:00:00.000Z,0.000,,0\r\n");
    EXPECT_EQ(Series::word(QStringLiteral("Word")).csvText(0xA5), "00A5");
    QLocale::setDefault(before);
}

class Recording : public ::testing::Test {
protected:
    std::unique_ptr<CsvRecorder> create(const QString& path)
    {
        auto recorder = CsvRecorder::create(path, Two, Start, error);
        if (recorder)
            recorder->onFailure([this](const QString& m) { failures << m; });
        return recorder;
    }
    QTemporaryDir dir;
    QString error;
    QStringList failures;
};

TEST_F(Recording, AFileThatCannotBeCreatedIsOneMessageNamingIt)
{
    for (const QString& path : {dir.path(), dir.filePath(QStringLiteral("no/such/folder.csv")), QStringLiteral("/dev/full")}) {
        error.clear();
        EXPECT_EQ(create(path), nullptr) << path.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("cannot record to %1: ").arg(path))) << error.toStdString();
    }
}

TEST_F(Recording, RowsAreInTheFileWithinASecondAndAFailedWriteStopsItOnce)
{
    const QString path = dir.filePath(QStringLiteral("r.csv"));
    auto recorder = create(path);
    ASSERT_NE(recorder, nullptr) << error.toStdString();
    recorder->row(0.5, {1, 0});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QTest::qWaitFor([&] { return file.size() > CsvText::header(Two).size(); }, 5000));
    EXPECT_TRUE(file.readAll().endsWith("0.500,1,0\r\n"));

    // The file may grow no further: the next write fails as on a full disk.
    struct rlimit was {};
    ::getrlimit(RLIMIT_FSIZE, &was);
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit full = was;
    full.rlim_cur = rlim_t(file.size());
    ::setrlimit(RLIMIT_FSIZE, &full);
    for (int i = 0; i < 3; ++i)
        recorder->row(1 + i, {2, 1});
    EXPECT_FALSE(recorder->flush());
    recorder->row(5, {2, 1});
    EXPECT_FALSE(recorder->flush());
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, sigxfsz);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("recording to %1 stopped: ").arg(path))) << failures[0].toStdString();
    EXPECT_TRUE(recorder->failed());
}

} // namespace
