#include "CaptionFit.h"
#include "ModalBoxCloser.h"
#include "ProgramTest.h"
#include "TabOrder.h"
#include "TemperatureSensor.h"
#include "ThermConfWindow.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

class Thermconf : public ProgramTest<ThermConfWindow> {
protected:
    TemperatureSensor& sensor = part<TemperatureSensor>();
    TwoWireBus& bus = part<TwoWireBus>();
};

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

} // namespace
