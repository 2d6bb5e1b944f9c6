#include "AdcPanelWindow.h"
#include "CaptionFit.h"
#include "Pcf8591Converter.h"
#include "ProgramTest.h"
#include "TabOrder.h"
#include "Twips.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using Transactions = std::vector<std::string>;

namespace {

class AdcPanel : public ProgramTest<AdcPanelWindow> {
protected:
    AdcPanel() { clock.start(); }
    // The timer runs, as the runner starts it once Form_Load has returned.
    void SetUp() override
    {
        ProgramTest::SetUp();
        window->startTimers();
    }

    // Handlers run one by one from here on, not from the timer.
    void stopTicks()
    {
        window->Timer1->stop();
        decoded.clear();
        recorder.clear();
    }

    std::vector<QString> readings() const
    {
        return {window->Text1->text(), window->Text2->text(), window->Text3->text(), window->Text4->text()};
    }

    Transactions outputs() const
    {
        Transactions out;
        for (const auto& t : seen())
            if (t.rfind("S 90 W A 44", 0) == 0)
                out.push_back(t);
        return out;
    }

    static std::string output(const char* byte) { return std::string("S 90 W A 44 A ") + byte + " A P"; }

    Pcf8591Converter& converter = part<Pcf8591Converter>();
    TwoWireBus& bus = part<TwoWireBus>();
    QElapsedTimer clock;
};

const std::vector<QString> FirstTick{"2.50980392156863", "2", "2.50980392156863", "4"};
const std::vector<QString> LaterTicks{"1", "2", "2.50980392156863", "4"};

TEST_F(AdcPanel, StartUpOpensComOneAndSendsNothing)
{
    EXPECT_EQ(openedPorts, std::vector<int>{1});
    EXPECT_TRUE(window->MSComm1.PortOpen());
    EXPECT_EQ(startup, std::vector<std::string>{"PortOpen = True"});
    EXPECT_EQ(recorder.lines(), std::vector<std::string>{"PortOpen -> True"});  // the check above
    EXPECT_TRUE(seen().empty());
    EXPECT_EQ(readings(), (std::vector<QString>{" ", " ", " ", " "}));
    EXPECT_EQ(window->Text5->text(), "0");
    EXPECT_EQ(converter.output(), 0);
}

TEST_F(AdcPanel, TimerShowsTheReadingsFromTwoHundredMillisecondsOn)
{
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 200);
    for (int i = 0; i < 100 && seen().size() < 2; ++i)
        QTest::qWait(20);
    ASSERT_EQ(seen().size(), 2u) << "no tick within two seconds";
    EXPECT_GE(clock.elapsed(), 180);  // a coarse timer may come up to 5 % early
    EXPECT_EQ(readings(), FirstTick);
    for (int i = 0; i < 100 && seen().size() < 4; ++i)
        QTest::qWait(20);
    EXPECT_EQ(readings(), LaterTicks);
}

TEST_F(AdcPanel, TickWritesTheControlByteThenReadsFourBytes)
{
    stopTicks();
    window->Timer1_Timer();
    EXPECT_EQ(readings(), FirstTick);
    EXPECT_EQ(seen(), (Transactions{"S 90 W A 45 A P", "S 91 R A 80 A 66 A 80 A CC N P"}));
    EXPECT_EQ(recorder.counts().puts, 203u);
    EXPECT_EQ(recorder.counts().reads, 36u);
    EXPECT_EQ(recorder.lines().size(), 239u);
    EXPECT_TRUE(bus.scl());
    EXPECT_TRUE(bus.sda());

    for (int tick = 2; tick <= 4; ++tick) {
        window->Timer1_Timer();
        EXPECT_EQ(readings(), LaterTicks) << "tick " << tick;
    }
    EXPECT_EQ(seen().back(), "S 91 R A 33 A 66 A 80 A CC N P");
}

TEST_F(AdcPanel, EachBoxIsWrittenBeforeItsByteIsAcknowledged)
{
    stopTicks();
    std::vector<std::string> decodedAtWrite;
    for (QLineEdit* box : {window->Text1, window->Text2, window->Text3, window->Text4})
        QObject::connect(box, &QLineEdit::textChanged, [&] { decodedAtWrite.push_back(decoded.pending()); });
    window->Timer1_Timer();
    EXPECT_EQ(decodedAtWrite, (std::vector<std::string>{"S 91 R A", "S 91 R A 80 A", "S 91 R A 80 A 66 A",
                                                        "S 91 R A 80 A 66 A 80 A"}));
}

TEST_F(AdcPanel, ReadingsFollowTheInputsOneReadBehindForTheFirst)
{
    stopTicks();
    for (int ch = 0; ch < 4; ++ch)
        converter.setInput(ch, std::uint8_t(10 * (ch + 1)));
    window->Timer1_Timer();
    EXPECT_EQ(window->Text1->text(), "2.50980392156863");  // power-on result
    window->Timer1_Timer();
    EXPECT_EQ(readings(), (std::vector<QString>{"0.196078431372549", "0.392156862745098", "0.588235294117647",
                                                "0.784313725490196"}));
}

TEST_F(AdcPanel, ReadingTextIsVoltsInAtMostFifteenDigits)
{
    stopTicks();
    struct Case {
        std::uint8_t raw;
        const char* text;
    } cases[] = {{0, "0"},
                 {51, "1"},
                 {100, "1.96078431372549"},
                 {128, "2.50980392156863"},
                 {204, "4"},
                 {254, "4.98039215686275"},
                 {255, "5"},
                 // Below 0.1 V in fixed form, as the conversion gives it.
                 {1, "0.0196078431372549"},
                 {5, "0.0980392156862745"}};
    for (const Case& c : cases) {
        for (int ch = 0; ch < 4; ++ch)
            converter.setInput(ch, c.raw);
        window->Timer1_Timer();
        window->Timer1_Timer();
        EXPECT_EQ(readings(), (std::vector<QString>(4, c.text))) << int(c.raw);
    }
}

TEST_F(AdcPanel, OutputSendsTheVoltsOfTheText)
{
    stopTicks();
    struct Case {
        const char* text;
        const char* byte;
        std::uint8_t output;
    } cases[] = {{"5", "FF", 255},     {"0", "00", 0},        {"4.99", "FE", 254},  {"3abc", "99", 153},
                 {"1,5", "33", 51},    {"abc", "00", 0},      {"1", "33", 51},      {" 2 ", "66", 102},
                 {"-0", "00", 0},      {"&H5", "FF", 255},    {"2.5e0", "80", 128}, {"0.009", "00", 0},
                 // Halfway products go to the even byte.
                 {"0.5", "1A", 26},    {"1.5", "4C", 76},     {"2.5", "80", 128},   {"3.5", "B2", 178},
                 {"4.5", "E6", 230}};
    for (const Case& c : cases) {
        window->Text5->setText("x");  // a different text first, so that every case is a change
        decoded.clear();
        recorder.clear();
        window->Text5->setText(c.text);
        EXPECT_EQ(seen(), Transactions{output(c.byte)}) << c.text;
        EXPECT_EQ(converter.output(), c.output) << c.text;
        EXPECT_EQ(window->Text5->text(), c.text);
        EXPECT_EQ(recorder.counts().puts, 88u) << c.text;
        EXPECT_EQ(recorder.counts().reads, 3u) << c.text;
    }
}

TEST_F(AdcPanel, TypingSevenClipsToFiveAndSendsItTwice)
{
    stopTicks();
    window->Text5->clear();
    decoded.clear();
    // Connected after the window's handler: runs when the nested run of the clip has ended.
    std::vector<std::size_t> sentWhenClipped;
    QObject::connect(window->Text5, &QLineEdit::textChanged, [&](const QString& t) {
        if (t == "5")
            sentWhenClipped.push_back(seen().size() + (decoded.pending().empty() ? 0 : 100));
    });
    QTest::keyClick(window->Text5, Qt::Key_7);
    EXPECT_EQ(window->Text5->text(), "5");
    EXPECT_EQ(seen(), (Transactions{output("FF"), output("FF")}));
    // The nested run sent its transaction whole, inside the put, before the typed change's run sent any.
    EXPECT_EQ(sentWhenClipped, std::vector<std::size_t>{1});
    EXPECT_EQ(converter.output(), 255);
}

TEST_F(AdcPanel, ValuesOutsideZeroToFiveClipInTheBox)
{
    stopTicks();
    struct Case {
        const char* text;
        const char* shown;
        const char* byte;
    } cases[] = {{"7", "5", "FF"},     {"5.001", "5", "FF"}, {"1e999", "5", "FF"}, {"&HFFFF", "5", "FF"},
                 {"99999999999999999999", "5", "FF"},      {"-1", "0", "00"},     {"-0.01", "0", "00"},
                 {"-1e999", "0", "00"},  {"-5.5", "0", "00"}};
    for (const Case& c : cases) {
        window->Text5->setText("x");
        decoded.clear();
        window->Text5->setText(c.text);
        EXPECT_EQ(window->Text5->text(), c.shown) << c.text;
        EXPECT_EQ(seen(), (Transactions{output(c.byte), output(c.byte)})) << c.text;
    }
    // A negative whose byte rounds to 0 is no value below the range: it keeps its text and
    // sends 0 once.
    for (const char* small : {"-0.001", "-0.005", "-0.0098"}) {
        window->Text5->setText("x");
        decoded.clear();
        window->Text5->setText(small);
        EXPECT_EQ(window->Text5->text(), small);
        EXPECT_EQ(seen(), (Transactions{output("00")})) << small;
    }
}

TEST_F(AdcPanel, TypingKeyByKeySendsEveryChange)
{
    stopTicks();
    window->Text5->clear();
    decoded.clear();
    QTest::keyClicks(window->Text5, "2.5");
    EXPECT_EQ(seen(), (Transactions{output("66"), output("66"), output("80")}));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(window->Text5, Qt::Key_Backspace);
    EXPECT_EQ(window->Text5->text(), "");
    EXPECT_EQ(outputs(), (Transactions{output("66"), output("66"), output("80"), output("66"), output("66"),
                                       output("00")}));
}

TEST_F(AdcPanel, TicksDoNotPileUp)
{
    QTest::qWait(0);
    decoded.clear();
    QTest::qSleep(1100);  // five intervals with no event handled
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(seen().size(), 2u);  // one tick: its write and its read
}

TEST_F(AdcPanel, LayoutCaptionsFontsAndTabOrder)
{
    EXPECT_EQ(window->windowTitle(), "I2C BUS ADC Control");
    EXPECT_EQ(window->size(), QSize(238, 267));
    EXPECT_EQ(window->Text1->geometry(), forms::twipsRect(240, 255, 1710, 450));
    EXPECT_EQ(window->Text2->geometry(), forms::twipsRect(240, 840, 1710, 450));
    EXPECT_EQ(window->Text3->geometry(), forms::twipsRect(240, 1455, 1710, 450));
    EXPECT_EQ(window->Text4->geometry(), forms::twipsRect(240, 2040, 1710, 450));
    EXPECT_EQ(window->Text5->geometry(), forms::twipsRect(240, 3270, 1710, 465));
    const struct {
        const char* caption;
        int left, top;
    } labels[] = {{"CH-1", 2025, 285}, {"CH-2", 2040, 855}, {"CH-3", 2025, 1455}, {"CH-4", 2025, 2070},
                  {"Aout", 2055, 3270}};
    ASSERT_EQ(window->Label1.count(), 5);
    for (int i = 0; i < 5; ++i) {
        QLabel* label = window->Label1(i);
        EXPECT_EQ(label->text(), labels[i].caption);
        EXPECT_EQ(label->geometry(), forms::twipsRect(labels[i].left, labels[i].top, 930, 450));
        EXPECT_EQ(label->font().family(), "JasmineUPC");
        EXPECT_EQ(label->font().pointSizeF(), 15.75);
        EXPECT_TRUE(label->font().bold());
        // Whatever face stands in, the caption fits its label.
        EXPECT_TRUE(CaptionFit::fits(label)) << labels[i].caption;
    }
    EXPECT_EQ(TabOrder::walk(window->Text1, 5),
              (std::vector<QWidget*>{window->Text1, window->Text2, window->Text3, window->Text4, window->Text5}));
    EXPECT_FALSE(window->Text1->isReadOnly());
}

} // namespace
