#include "ThermReadWindow.h"
#include "Twips.h"
#include "WindowFixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>

using Thermread = WindowOnSensorBoard<ThermReadWindow>;

TEST_F(Thermread, LoadOpensComOne)
{
    EXPECT_EQ(openedPort, 1);
    EXPECT_TRUE(window->MSComm1.PortOpen());
    EXPECT_TRUE(seen.empty());  // nothing goes on the bus at start-up
}

TEST_F(Thermread, ReadTempShowsTheSensorsTemperature)
{
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"S 90 W A AA A Sr 91 R A 19 A 80 N P"}));
    EXPECT_EQ(recorder.counts().puts, 145u);
    EXPECT_EQ(recorder.counts().reads, 19u);
    EXPECT_EQ(recorder.lines().size(), 164u);
    EXPECT_TRUE(bus->scl());
    EXPECT_TRUE(bus->sda());
}

TEST_F(Thermread, TemperatureTextIsShortestDecimalUnsigned)
{
    struct Case {
        int halfDegrees;
        const char* text;
    } cases[] = {{50, "25"}, {1, "0.5"}, {0, "0"}, {-50, "231"}, {-1, "255.5"}, {250, "125"}};
    for (auto c : cases) {
        sensor->setHalfDegrees(c.halfDegrees);
        click(window->cmdRdTemp);
        EXPECT_EQ(window->txtTemp->text(), c.text) << c.halfDegrees;
    }
}

TEST_F(Thermread, DecimalSeparatorIsTheLocales)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    click(window->cmdRdTemp);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(window->txtTemp->text(), "25,5");
}

TEST_F(Thermread, NoSensorAnsweringShowsAllOnes)
{
    Board empty;
    empty.add<TwoWireBus>();
    ThermReadWindow w(MSComm::Setup{[&](int, const LineSettings& s) { return std::make_unique<VirtualPort>(empty, s); }});
    w.Form_Load();
    w.cmdRdTemp_Click();
    EXPECT_EQ(w.txtTemp->text(), "255.5");
}

TEST_F(Thermread, ConvertButtonsSendTheirCommands)
{
    click(window->cmdStartConvert);
    EXPECT_TRUE(sensor->converting());
    click(window->cmdStopConvert);
    EXPECT_FALSE(sensor->converting());
    EXPECT_EQ(seen, (std::vector<std::string>{"S 90 W A EE A P", "S 90 W A 22 A P"}));
    EXPECT_EQ(recorder.counts().puts, 2u * 61u);
}

TEST_F(Thermread, LayoutCaptionsAndTabOrder)
{
    EXPECT_EQ(window->windowTitle(), "Form1");
    EXPECT_EQ(window->size(), QSize(350, 77));
    EXPECT_EQ(window->Frame1->title(), "Temperature");
    EXPECT_EQ(window->Frame1->geometry(), forms::twipsRect(60, 240, 2415, 855));
    EXPECT_EQ(window->txtTemp->geometry(), forms::twipsRect(180, 360, 735, 375));
    EXPECT_EQ(window->cmdRdTemp->geometry(), forms::twipsRect(1080, 360, 1215, 375));
    EXPECT_EQ(window->Frame2->title(), "Convert");
    EXPECT_EQ(window->Frame2->geometry(), forms::twipsRect(2520, 240, 2655, 855));
    EXPECT_EQ(window->cmdStartConvert->geometry(), forms::twipsRect(120, 360, 1155, 375));
    EXPECT_EQ(window->cmdStopConvert->geometry(), forms::twipsRect(1380, 360, 1155, 375));
    EXPECT_EQ(window->cmdRdTemp->text(), "Read Temp");
    EXPECT_EQ(window->cmdStartConvert->text(), "Start Convert");
    EXPECT_EQ(window->cmdStopConvert->text(), "Stop Convert");
    EXPECT_TRUE(window->txtTemp->text().isEmpty());
    EXPECT_FALSE(window->txtTemp->isReadOnly());

    EXPECT_EQ(nextByTab(window->txtTemp), window->cmdRdTemp);
    EXPECT_EQ(nextByTab(window->cmdRdTemp), window->cmdStartConvert);
    EXPECT_EQ(nextByTab(window->cmdStartConvert), window->cmdStopConvert);
}

TEST_F(Thermread, CaptionsFitTheirButtons)
{
    for (QPushButton* b : {window->cmdRdTemp, window->cmdStartConvert, window->cmdStopConvert})
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), captionRoom(b)) << b->text().toStdString();
}

TEST_F(Thermread, KeyboardReachesTheButtons)
{
    activate();
    window->txtTemp->setFocus();
    QTest::keyClick(window->txtTemp, Qt::Key_Tab);
    ASSERT_TRUE(window->cmdRdTemp->hasFocus());
    QTest::keyClick(window->cmdRdTemp, Qt::Key_Space);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
}

TEST_F(Thermread, FailingDeviceIsReportedOnceAndClicksGoOn)
{
    int reports = 0;
    window->MSComm1.setFailureHandler([&](const std::string&) { ++reports; });
    struct Failing : SerialLines {
        void setDtr(bool) override { fail(); }
        void setRts(bool) override { fail(); }
        void setBreak(bool) override { fail(); }
        bool cd() override { fail(); }
        bool cts() override { fail(); }
        bool dsr() override { fail(); }
        void write(std::uint8_t) override { fail(); }
        [[noreturn]] static void fail() { throw CommError(CommError::Kind::DeviceFailed, "COM1 (/dev/board-adapter): gone"); }
    };
    ThermReadWindow w(MSComm::Setup{[](int, const LineSettings&) { return std::make_unique<Failing>(); }});
    w.MSComm1.setFailureHandler([&](const std::string&) { ++reports; });
    w.Form_Load();
    w.cmdRdTemp_Click();
    w.cmdRdTemp_Click();
    w.cmdStartConvert_Click();
    EXPECT_EQ(reports, 1);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(w.txtTemp->text(), "255.5");
}
