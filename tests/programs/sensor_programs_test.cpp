// thermread and thermconf, which differ only by thermconf's configuration panel.
#include "CaptionFit.h"
#include "ModalBoxCloser.h"
#include "ProgramTest.h"
#include "ScriptedLines.h"
#include "TabOrder.h"
#include "TemperatureSensor.h"
#include "ThermConfWindow.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>

namespace {

// thermread or thermconf on the sensor board.
template <class Window>
class SensorProgram : public ProgramTest<Window> {
protected:
    TemperatureSensor& sensor = this->template part<TemperatureSensor>();
    TwoWireBus& bus = this->template part<TwoWireBus>();
};
using Thermread = SensorProgram<ThermReadWindow>;
using Thermconf = SensorProgram<ThermConfWindow>;

TEST_F(Thermread, LoadOpensComOne)
{
    EXPECT_EQ(openedPorts, std::vector<int>{1});
    EXPECT_TRUE(window->MSComm1.PortOpen());
    EXPECT_TRUE(seen().empty());  // nothing goes on the bus at start-up
}

TEST_F(Thermread, ReadTempShowsTheSensorsTemperature)
{
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
    EXPECT_EQ(seen(), (std::vector<std::string>{"S 90 W A AA A Sr 91 R A 19 A 80 N P"}));
    EXPECT_EQ(recorder.counts().puts, 145u);
    EXPECT_EQ(recorder.counts().reads, 19u);
    EXPECT_EQ(recorder.lines().size(), 164u);
    EXPECT_TRUE(bus.scl());
    EXPECT_TRUE(bus.sda());
}

TEST_F(Thermread, TemperatureTextIsShortestDecimalUnsigned)
{
    struct Case {
        int halfDegrees;
        const char* text;
    } cases[] = {{50, "25"}, {1, "0.5"}, {0, "0"}, {-50, "231"}, {-1, "255.5"}, {250, "125"}};
    for (auto c : cases) {
        sensor.setHalfDegrees(c.halfDegrees);
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

TEST_F(Thermread, ConvertButtonsSendTheirCommands)
{
    click(window->cmdStartConvert);
    EXPECT_TRUE(sensor.converting());
    click(window->cmdStopConvert);
    EXPECT_FALSE(sensor.converting());
    EXPECT_EQ(seen(), (std::vector<std::string>{"S 90 W A EE A P", "S 90 W A 22 A P"}));
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

    EXPECT_EQ(TabOrder::walk(window->txtTemp, 4),
              (std::vector<QWidget*>{window->txtTemp, window->cmdRdTemp, window->cmdStartConvert, window->cmdStopConvert}));
}

TEST_F(Thermread, CaptionsFitTheirButtons)
{
    for (QPushButton* b : {window->cmdRdTemp, window->cmdStartConvert, window->cmdStopConvert})
        EXPECT_TRUE(CaptionFit::fits(b)) << b->text().toStdString();
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

TEST_F(Thermconf, ReadConfigShowsTheRegisterInHex)
{
    click(window->cmdRdConfig);
    EXPECT_EQ(window->txtConfig->text(), "8C");
    EXPECT_EQ(seen(), (std::vector<std::string>{"S 90 W A AC A Sr 91 R A 8C N P"}));
}

TEST_F(Thermconf, WriteConfigSendsTheTypedValue)
{
    struct Case {
        const char* typed;
        std::uint8_t sent;
        const char* decoded;
    } cases[] = {{"0a", 0x0A, "S 90 W A AC A 0A A P"}, {"0A", 0x0A, "S 90 W A AC A 0A A P"},
                 {"00A", 0x0A, "S 90 W A AC A 0A A P"}, {"ff", 0xFF, "S 90 W A AC A FF A P"},
                 {"FF", 0xFF, "S 90 W A AC A FF A P"}, {"0", 0x00, "S 90 W A AC A 00 A P"}};
    for (auto c : cases) {
        decoded.clear();
        window->txtConfig->clear();
        QTest::keyClicks(window->txtConfig, c.typed);
        click(window->cmdWrConfig);
        EXPECT_EQ(sensor.config(), c.sent) << c.typed;
        EXPECT_EQ(seen(), (std::vector<std::string>{c.decoded})) << c.typed;
        EXPECT_EQ(window->txtConfig->text(), c.typed);
    }
}

TEST_F(Thermconf, WritingBackWhatWasReadSendsTheSameValue)
{
    window->txtConfig->setText("A");
    click(window->cmdWrConfig);
    window->txtConfig->clear();
    click(window->cmdRdConfig);
    EXPECT_EQ(window->txtConfig->text(), "A");
    click(window->cmdWrConfig);
    EXPECT_EQ(sensor.config(), 0x0A);
    EXPECT_EQ(seen().back(), "S 90 W A AC A 0A A P");
}

TEST_F(Thermconf, RefusedTextSendsNothing)
{
    for (const char* typed : {"zz", "", "100", "1 ", "-1", "0x1"}) {
        window->txtConfig->setText(typed);
        recorder.clear();
        auto box = ModalBoxCloser::closeRaisedBy([this] { click(window->cmdWrConfig); });
        ASSERT_TRUE(box) << typed;
        EXPECT_TRUE(box->text.contains("0 to FF")) << typed;
        EXPECT_TRUE(recorder.lines().empty()) << typed;
        EXPECT_EQ(window->txtConfig->text(), typed);
    }
    EXPECT_TRUE(seen().empty());
    EXPECT_EQ(sensor.config(), 0x8C);
    EXPECT_TRUE(bus.scl());
    EXPECT_TRUE(bus.sda());
}

TEST_F(Thermconf, KeepsTheTemperaturePanel)
{
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
}

TEST_F(Thermconf, LayoutCaptionsAndTabOrder)
{
    EXPECT_EQ(window->windowTitle(), "Form1");
    EXPECT_EQ(window->size(), QSize(349, 129));
    EXPECT_EQ(window->Frame1->geometry(), forms::twipsRect(60, 120, 2415, 855));
    EXPECT_EQ(window->Frame2->geometry(), forms::twipsRect(2520, 120, 2655, 855));
    EXPECT_EQ(window->Frame3->title(), "Config");
    EXPECT_EQ(window->Frame3->geometry(), forms::twipsRect(60, 1020, 3615, 855));
    EXPECT_EQ(window->cmdRdConfig->geometry(), forms::twipsRect(120, 360, 1215, 375));
    EXPECT_EQ(window->txtConfig->geometry(), forms::twipsRect(1440, 360, 735, 375));
    EXPECT_EQ(window->cmdWrConfig->geometry(), forms::twipsRect(2280, 360, 1215, 375));
    EXPECT_EQ(window->cmdRdConfig->text(), "Read Config");
    EXPECT_EQ(window->cmdWrConfig->text(), "Write Config");
    EXPECT_TRUE(window->txtConfig->text().isEmpty());

    EXPECT_EQ(TabOrder::walk(window->cmdStopConvert, 4),
              (std::vector<QWidget*>{window->cmdStopConvert, window->txtConfig, window->cmdRdConfig, window->cmdWrConfig}));
    for (QPushButton* b : {window->cmdRdConfig, window->cmdWrConfig, window->cmdStartConvert})
        EXPECT_TRUE(CaptionFit::fits(b)) << b->text().toStdString();
}

// CD as a sensor answering `first` then `second` drives it through one Read Temp: the three
// acknowledges, then each byte's bits from the most significant (CD is asserted while SDA is low).
std::vector<bool> sensorAnswering(std::uint8_t first, std::uint8_t second)
{
    std::vector<bool> cd{true, true, true};
    for (std::uint8_t byte : {first, second})
        for (int bit = 7; bit >= 0; --bit)
            cd.push_back(!((byte >> bit) & 1u));
    return cd;
}

TEST(ThermreadBytes, OnlyBitSevenOfTheSecondByteIsHalfADegree)
{
    const struct {
        std::uint8_t first, second;
        const char* text;
    } cases[] = {{0x19, 0x7F, "25"}, {0x19, 0x01, "25"}, {0x00, 0x80, "0.5"}, {0xE7, 0x00, "231"}, {0x19, 0xFF, "25.5"}};
    for (const auto& c : cases) {
        ThermReadWindow window(MSComm::Setup{[&c](int, const LineSettings&) {
            auto lines = std::make_unique<ScriptedLines>();
            lines->cdScript = sensorAnswering(c.first, c.second);
            return lines;
        }});
        window.Form_Load();
        window.cmdRdTemp_Click();
        EXPECT_EQ(window.txtTemp->text(), c.text) << int(c.first) << " " << int(c.second);
    }
}

// The refusal of a configuration value: under the program's name, in words that admit every
// text that is accepted.
TEST_F(Thermconf, RefusalNamesWhatIsAcceptedUnderTheProgramsName)
{
    const QString appName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("thermconf");
    window->txtConfig->setText("1FF");
    auto box = ModalBoxCloser::closeRaisedBy([this] { window->cmdWrConfig->click(); });
    QCoreApplication::setApplicationName(appName);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "thermconf");
    EXPECT_EQ(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    for (const char* words : {"\"1FF\"", "hexadecimal", "0 to FF", "either case", "leading zeros are allowed"})
        EXPECT_TRUE(box->text.contains(QLatin1String(words))) << words << " in " << box->text.toStdString();
    EXPECT_FALSE(box->text.contains("one or two")) << box->text.toStdString();  // three digits are accepted

    // The text is quoted up to 40 characters, never half of one; a longer one ends in an ellipsis.
    const QString fire = QString::fromUtf8("\U0001F525");
    struct Quote {
        QString typed, quoted;
    } quotes[] = {{QString(40, u'Z'), '"' + QString(40, u'Z') + '"'},
                  {QString(41, u'Z'), '"' + QString(40, u'Z') + QChar(0x2026) + '"'},
                  {QString(38, u'Z') + fire, '"' + QString(38, u'Z') + fire + '"'},
                  {QString(39, u'Z') + fire, '"' + QString(39, u'Z') + QChar(0x2026) + '"'}};
    for (const Quote& q : quotes) {
        window->txtConfig->setText(q.typed);
        auto refusal = ModalBoxCloser::closeRaisedBy([this] { window->cmdWrConfig->click(); });
        ASSERT_TRUE(refusal);
        EXPECT_TRUE(refusal->text.startsWith(q.quoted + " is not")) << refusal->text.toStdString();
    }

    for (const char* typed : {"00A", "0a"}) {
        window->txtConfig->setText(typed);
        EXPECT_FALSE(ModalBoxCloser::closeRaisedBy([this] { window->cmdWrConfig->click(); })) << typed;
        EXPECT_EQ(sensor.config(), 0x0A) << typed;
    }
}

} // namespace
