// The virtual board's window beside each program: what the user does there reaches the next
// bus transaction, what the program does shows there, the monitor decodes it, and the waveform
// pane draws the transaction selected there.
#include "AdcPanelWindow.h"
#include "BoardPanel.h"
#include "BusHandlers.h"
#include "ConverterPanel.h"
#include "ExpanderPanel.h"
#include "IoPanelWindow.h"
#include "Languages.h"
#include "LatchedOutputsPanel.h"
#include "LedIndicator.h"
#include "LineProbeWindow.h"
#include "MonitorPane.h"
#include "Pcf8574Expander.h"
#include "Pcf8591Converter.h"
#include "ProgramWithBoard.h"
#include "Programs.h"
#include "SensorPanel.h"
#include "SerialOutWindow.h"
#include "SerialReceiver.h"
#include "ShownTexts.h"
#include "Shape.h"
#include "ShiftOutWindow.h"
#include "StatusInputsPanel.h"
#include "ThermConfWindow.h"
#include "TwoWireBus.h"
#include "SigrokI2c.h"
#include "VcdGrammar.h"
#include "VoltMeter.h"
#include "WaveformPane.h"
#include "WaveformView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <clocale>
#include <fstream>
#include <sstream>

using Lines = std::vector<std::string>;

namespace {

using ThermReadWithBoard = ProgramWithBoard<ThermReadWindow>;
using ThermConfWithBoard = ProgramWithBoard<ThermConfWindow>;
using AdcPanelWithBoard = ProgramWithBoard<AdcPanelWindow>;
using IoPanelWithBoard = ProgramWithBoard<IoPanelWindow>;
using LineProbeWithBoard = ProgramWithBoard<LineProbeWindow>;
using ShiftOutWithBoard = ProgramWithBoard<ShiftOutWindow>;
using SerialOutWithBoard = ProgramWithBoard<SerialOutWindow>;

QStringList titles(const BoardWindow& w)
{
    QStringList out;
    for (BoardPanel* p : w.panels())
        out << p->title();
    return out;
}

template <class Window>
QStringList panelTitlesOf()
{
    Board board;
    programOf<Window>().buildBoard(board);
    BoardWindow w(board, BusMonitor::Clock::now());
    return titles(w);
}

TEST(BoardWindowParts, EachProgramsBoardGetsOnePanelPerPart)
{
    EXPECT_EQ(panelTitlesOf<ThermReadWindow>(), QStringList{"Temperature sensor 90/91"});
    EXPECT_EQ(panelTitlesOf<ThermConfWindow>(), QStringList{"Temperature sensor 90/91"});
    EXPECT_EQ(panelTitlesOf<AdcPanelWindow>(), QStringList{"PCF8591 converter 90/91"});
    EXPECT_EQ(panelTitlesOf<IoPanelWindow>(), (QStringList{"PCF8574 expander 40/41", "PCF8574 expander 42/43"}));
    EXPECT_EQ(panelTitlesOf<ShiftOutWindow>(), QStringList{"Shift register outputs"});
    EXPECT_EQ(panelTitlesOf<SerialOutWindow>(), QStringList{"Serial receiver outputs"});
    EXPECT_EQ(panelTitlesOf<LineProbeWindow>(), QStringList{"Status inputs"});

    Board board;
    board.add<TwoWireBus>().add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574AAddress7 + 7));
    BoardWindow w(board, BusMonitor::Clock::now());
    EXPECT_EQ(titles(w), QStringList{"PCF8574A expander 7E/7F"});
    EXPECT_EQ(w.windowTitle(), "Virtual board");
    EXPECT_EQ(w.unplugged->text(), "Board unplugged");
}

// Under a German locale the board window speaks German: its title, panels, monitor and waveform.
TEST(GermanLocaleBoardWindow, SpeaksGerman)
{
    const Languages german = Languages::ofUser();
    german.install();
    Board board;
    programOf<ThermConfWindow>().buildBoard(board);
    BoardWindow w(board, BusMonitor::Clock::now());
    const QStringList texts = shownTexts(w);
    for (const char* text : {"Virtuelle Platine", "Temperatursensor 90/91", "Konfiguration", "Busmonitor", "Leeren",
                             "Als VCD speichern…", "Signalverlauf"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text << " in " << texts.join(u'|').toStdString();
}

TEST_F(AdcPanelWithBoard, MovingAnInputSliderChangesTheNextTicksReading)
{
    window->Timer1->stop();
    window->Timer1_Timer();
    EXPECT_EQ(window->Text2->text(), "2");  // input 1 starts at 2 V
    QSlider* ain1 = panel<ConverterPanel>()->inputs[1];
    ain1->setFocus();
    QTest::keyClick(ain1, Qt::Key_End);
    EXPECT_EQ(panel<ConverterPanel>()->inputVolts[1]->text(), "5.00 V");
    EXPECT_EQ(window->Text2->text(), "2");  // nothing is sent by the slider itself
    window->Timer1_Timer();
    EXPECT_EQ(window->Text2->text(), "5");
    EXPECT_EQ(window->Text3->text(), "2.50980392156863");  // the others as they were
    QTest::keyClick(ain1, Qt::Key_PageDown);                // one page down: 1 V less
    window->Timer1_Timer();
    EXPECT_EQ(window->Text2->text(), "4");
}

TEST_F(AdcPanelWithBoard, MeterShowsTheOutputOnceTheProgramEnablesIt)
{
    VoltMeter* meter = panel<ConverterPanel>()->output;
    boardWindow->refresh();
    EXPECT_EQ(meter->reading(), "off");  // nothing sent yet: the output is not enabled
    window->Text5->setText("2.5");
    EXPECT_EQ(meter->reading(), "off");  // shown at the next refresh only
    boardWindow->refresh();
    EXPECT_EQ(meter->reading(), "2.51 V");  // byte 128
    window->Text5->setText("7");
    boardWindow->refresh();
    EXPECT_EQ(meter->reading(), "5.00 V");
}

TEST_F(IoPanelWithBoard, PinPulledLowShowsInTheNextPoll)
{
    window->Timer1->stop();
    window->Timer2->stop();
    click(window->Option5(1));  // opens COM1: the board
    ExpanderPanel* first = panel<ExpanderPanel>(0);
    click(first->pullLow[2]);
    window->Timer1_Timer();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(window->Image1(i)->isHidden(), i == 2) << "lamp " << i;
        EXPECT_EQ(window->Image2(i)->isHidden(), i != 2) << "lamp " << i;
    }
    window->Timer2_Timer();  // the other expander is not touched
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(window->Image3(i)->isHidden()) << "lamp " << i;

    boardWindow->refresh();
    EXPECT_FALSE(first->levels[2]->isLit());
    EXPECT_TRUE(first->levels[3]->isLit());
    EXPECT_EQ(first->pinsText->text(), "FB");
    EXPECT_EQ(panel<ExpanderPanel>(1)->pinsText->text(), "FF");

    click(first->pullLow[2]);  // let go
    window->Timer1_Timer();
    EXPECT_FALSE(window->Image1(2)->isHidden());
}

TEST_F(IoPanelWithBoard, PinsAreShownWithP7LeftmostAndFollowWhatTheProgramWrites)
{
    window->Timer1->stop();
    window->Timer2->stop();
    click(window->Option5(1));
    click(window->Option1(1));  // panel 1 writes
    click(window->Command1(0));  // reads FF, writes FE
    ExpanderPanel* first = panel<ExpanderPanel>(0);
    boardWindow->refresh();
    EXPECT_FALSE(first->levels[0]->isLit());
    EXPECT_EQ(first->pinsText->text(), "FE");
    for (int pin = 1; pin < 8; ++pin)
        EXPECT_LT(first->levels[pin]->x(), first->levels[pin - 1]->x());
    EXPECT_EQ(monitored(), (Lines{"S 41 R A FF N P", "S 40 W A FE A P"}));
}

TEST_F(LineProbeWithBoard, StatusSwitchTurnsItsLamp)
{
    window->Timer1->stop();
    StatusInputsPanel* inputs = panel<StatusInputsPanel>();
    EXPECT_TRUE(inputs->cts->isChecked());
    EXPECT_FALSE(inputs->cd->isChecked());
    EXPECT_TRUE(inputs->dsr->isChecked());
    click(inputs->cts);
    click(inputs->cd);
    window->Timer1_Timer();
    EXPECT_EQ(window->Shape1->BackColor(), LineProbeWindow::NotAsserted);  // CTS
    EXPECT_EQ(window->Shape2->BackColor(), LineProbeWindow::Asserted);     // CD
    EXPECT_EQ(window->Shape3->BackColor(), LineProbeWindow::Asserted);     // DSR
}

TEST_F(LineProbeWithBoard, UnpluggedBoardAssertsNoStatusLine)
{
    window->Timer1->stop();
    click(boardWindow->unplugged);
    window->Timer1_Timer();
    EXPECT_EQ(window->Shape1->BackColor(), LineProbeWindow::NotAsserted);
    EXPECT_EQ(window->Shape2->BackColor(), LineProbeWindow::NotAsserted);
    EXPECT_EQ(window->Shape3->BackColor(), LineProbeWindow::NotAsserted);
    click(boardWindow->unplugged);
    window->Timer1_Timer();
    EXPECT_EQ(window->Shape1->BackColor(), LineProbeWindow::Asserted);
}

TEST_F(ShiftOutWithBoard, LedsFollowTheLatchedWordD15Leftmost)
{
    LatchedOutputsPanel* outputs = panel<LatchedOutputsPanel>();
    boardWindow->refresh();
    EXPECT_EQ(outputs->wordText->text(), "0000");
    click(window->cmdD(15));
    click(window->cmdD(0));
    EXPECT_TRUE(!outputs->leds[15]->isLit());  // until the next refresh
    boardWindow->refresh();
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(outputs->leds[bit]->isLit(), bit == 15 || bit == 0) << "D" << bit;
    EXPECT_EQ(outputs->wordText->text(), "8001");
    EXPECT_EQ(outputs->framingErrorsText, nullptr);
    for (int bit = 1; bit < 16; ++bit)
        EXPECT_LT(outputs->leds[bit]->x(), outputs->leds[bit - 1]->x());
    EXPECT_EQ(monitored(), (Lines{"latched 0000", "latched 8000", "latched 8001"}));
}

TEST_F(SerialOutWithBoard, LedsFollowTheLatchedWordAndFramingErrorsAreCounted)
{
    LatchedOutputsPanel* outputs = panel<LatchedOutputsPanel>();
    click(window->cmdD(15));
    click(window->cmdD(0));
    boardWindow->refresh();
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(outputs->leds[bit]->isLit(), bit == 15 || bit == 0) << "D" << bit;
    EXPECT_EQ(outputs->wordText->text(), "8001");
    EXPECT_EQ(outputs->framingErrorsText->text(), "0");
    EXPECT_EQ(monitored(), (Lines{"byte 00", "byte 00", "latched 0000", "byte 80", "byte 00", "latched 8000", "byte 80",
                                  "byte 01", "latched 8001"}));

    board.receive(0x00, LineSettings{9600, 'n', 8, 1});  // a sender six times too slow
    boardWindow->refresh();
    EXPECT_EQ(outputs->framingErrorsText->text(), "1");
    EXPECT_EQ(monitored().back(), "byte 00 framing error");
}

TEST_F(ThermReadWithBoard, UnpluggedBoardReadsAllOnes)
{
    click(boardWindow->unplugged);
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "255.5");
    click(window->cmdStartConvert);
    click(boardWindow->unplugged);
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
    boardWindow->refresh();
    EXPECT_FALSE(panel<SensorPanel>()->converting->isLit());  // the start went nowhere
    EXPECT_EQ(monitored(), (Lines{"board unplugged", "board plugged in", "S 90 W A AA A Sr 91 R A 19 A 80 N P"}));
}

TEST_F(ThermReadWithBoard, TemperatureSliderSetsWhatTheNextReadGives)
{
    SensorPanel* sensor = panel<SensorPanel>();
    sensor->temperature->setFocus();
    QTest::keyClick(sensor->temperature, Qt::Key_End);
    EXPECT_EQ(sensor->temperatureText->text(), "125.0 °C");
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "125");
    QTest::keyClick(sensor->temperature, Qt::Key_Home);
    EXPECT_EQ(sensor->temperatureText->text(), "-55.0 °C");
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "201");  // C9 00: the program takes the byte unsigned
    QTest::keyClick(sensor->temperature, Qt::Key_Right);
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "201.5");  // -54.5 °C is C9 80
}

TEST_F(ThermConfWithBoard, ConvertingAndConfigurationFollowTheProgram)
{
    SensorPanel* sensor = panel<SensorPanel>();
    boardWindow->refresh();
    EXPECT_FALSE(sensor->converting->isLit());
    EXPECT_EQ(sensor->config->text(), "8C");
    click(window->cmdStartConvert);
    window->txtConfig->setText("a");
    click(window->cmdWrConfig);
    boardWindow->refresh();
    EXPECT_TRUE(sensor->converting->isLit());
    EXPECT_EQ(sensor->config->text(), "0A");
    click(window->cmdStopConvert);
    boardWindow->refresh();
    EXPECT_FALSE(sensor->converting->isLit());
}

TEST_F(ThermReadWithBoard, BusLogOfReadTempIsOneTimedLine)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bus.log").toStdString();
    std::string error;
    ASSERT_TRUE(boardWindow->monitor().openLog(path, error)) << error;
    now = epoch + std::chrono::microseconds(1234567);
    click(window->cmdRdTemp);
    now = epoch + std::chrono::microseconds(2000001);
    click(window->cmdStopConvert);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1234.567 S 90 W A AA A Sr 91 R A 19 A 80 N P\n"
                          "2000.001 S 90 W A 22 A P\n");
    boardWindow->refresh();
    EXPECT_EQ(boardWindow->monitorPane->lines->toPlainText(), "1234.567 S 90 W A AA A Sr 91 R A 19 A 80 N P\n"
                                                              "2000.001 S 90 W A 22 A P");

    std::string refused;
    EXPECT_FALSE(boardWindow->monitor().openLog(dir.filePath("no/such/dir/bus.log").toStdString(), refused));
    EXPECT_NE(refused.find("cannot write the bus log"), std::string::npos);
}

TEST_F(ThermReadWithBoard, PaneKeepsTheLatestLinesAndTheirCapturesAndClears)
{
    for (int i = 0; i < 20; ++i)
        click(window->cmdStopConvert);
    for (std::size_t i = 20; i < BusMonitor::Kept + 10; ++i)
        boardWindow->monitor().note("note " + std::to_string(i));
    boardWindow->refresh();
    QPlainTextEdit* lines = boardWindow->monitorPane->lines;
    EXPECT_EQ(std::size_t(lines->blockCount()), BusMonitor::Kept);
    EXPECT_EQ(boardWindow->monitorPane->capturesHeld(), 10u);  // the oldest ten went with their lines
    EXPECT_EQ(lines->document()->firstBlock().text(), "0.000 S 90 W A 22 A P");
    EXPECT_EQ(lines->document()->lastBlock().text(), "0.000 note " + QString::number(BusMonitor::Kept + 9));

    click(window->cmdRdTemp);  // not yet shown when Clear is clicked: cleared too
    click(boardWindow->monitorPane->clearButton);
    EXPECT_TRUE(monitored().empty());
    EXPECT_EQ(boardWindow->monitorPane->capturesHeld(), 0u);
    click(window->cmdStopConvert);
    EXPECT_EQ(monitored(), (Lines{"S 90 W A 22 A P"}));
}

// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
    std::map<QObject*, int> paints;
};

TEST_F(ShiftOutWithBoard, IdleBoardRepaintsNothingAndAChangeOnlyWhatChanged)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(boardWindow.get()));
    QTest::qWait(3 * BoardWindow::RefreshInterval);
    PaintCounter counter;
    LatchedOutputsPanel* outputs = panel<LatchedOutputsPanel>();
    for (LedIndicator* led : outputs->leds)
        led->installEventFilter(&counter);
    QTest::qWait(5 * BoardWindow::RefreshInterval);
    EXPECT_TRUE(counter.paints.empty());

    click(window->cmdD(3));
    QTest::qWait(3 * BoardWindow::RefreshInterval);
    EXPECT_TRUE(outputs->leds[3]->isLit());
    EXPECT_GE(counter.paints[outputs->leds[3]], 1);
    EXPECT_EQ(counter.paints.size(), 1u) << "other LEDs repainted";
}

// The waveform pane's marks as "text" per row, and the bits of each byte as one string.
std::string bitsOf(const WaveformLayout& w, std::size_t byte)
{
    std::string out;
    for (std::size_t i = byte * 8; i < byte * 8 + 8 && i < w.bits.size(); ++i)
        out += w.bits[i].text;
    return out;
}

TEST_F(ThermReadWithBoard, WaveformShowsTheNewestTransactionWithTheDecodersItemsOverItsBits)
{
    ASSERT_NE(boardWindow->waveformPane, nullptr);
    click(window->cmdRdTemp);
    const Lines lines = monitored();
    const WaveformLayout& w = boardWindow->waveformPane->view->waveform();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(w.itemsText(), lines[0]);  // "S 90 W A AA A Sr 91 R A 19 A 80 N P"
    EXPECT_EQ(boardWindow->waveformPane->caption->text().section(u' ', 1).toStdString(), lines[0]);
    ASSERT_EQ(w.traces.size(), 2u);
    EXPECT_EQ(w.traces[0].name, "SCL");
    EXPECT_EQ(w.traces[1].name, "SDA");
    // Five bytes of eight bits, each drawn as the board saw it, most significant first.
    ASSERT_EQ(w.bits.size(), 40u);
    EXPECT_EQ(bitsOf(w, 0), "10010000");
    EXPECT_EQ(bitsOf(w, 1), "10101010");
    EXPECT_EQ(bitsOf(w, 2), "10010001");
    EXPECT_EQ(bitsOf(w, 3), "00011001");
    EXPECT_EQ(bitsOf(w, 4), "10000000");
    // Each byte spans its eight bit cells and its acknowledge the cell after them; the start
    // comes before the first bit, the stop after the last acknowledge; times go forward.
    ASSERT_EQ(w.items.size(), 13u);
    EXPECT_EQ(w.items[1].from, w.bits[0].from);
    EXPECT_EQ(w.items[1].to, w.bits[7].to);
    EXPECT_EQ(w.items[2].from, w.bits[7].to);
    EXPECT_EQ(w.items[3].from, w.items[2].to);
    EXPECT_LE(w.items[0].to, w.bits[0].from);
    EXPECT_GE(w.items[12].from, w.items[11].to);
    for (std::size_t i = 1; i < w.bits.size(); ++i)
        EXPECT_LT(w.bits[i - 1].from, w.bits[i].from);
    EXPECT_DOUBLE_EQ(w.items[12].to, w.end);
    // SDA falls at the start with SCL high, and both end high.
    EXPECT_EQ(w.traces[1].steps[1].at, 0.0);
    EXPECT_FALSE(w.traces[1].steps[1].level);
    EXPECT_TRUE(w.traces[0].steps.back().level);
    EXPECT_TRUE(w.traces[1].steps.back().level);
}

TEST_F(ThermConfWithBoard, WaveformOfEveryLineHasTheDecodersItems)
{
    busHandlers::run(*window);
    EXPECT_GE(monitored().size(), 2u);
    EXPECT_EQ(waveformOfEveryLine(), monitored());
}

TEST_F(AdcPanelWithBoard, WaveformOfEveryLineHasTheDecodersItems)
{
    busHandlers::run(*window);
    EXPECT_GE(monitored().size(), 2u);
    EXPECT_EQ(waveformOfEveryLine(), monitored());
}

TEST_F(IoPanelWithBoard, WaveformOfEveryLineHasTheDecodersItems)
{
    busHandlers::run(*window);
    EXPECT_GE(monitored().size(), 2u);
    EXPECT_EQ(waveformOfEveryLine(), monitored());
}

TEST_F(ThermReadWithBoard, SelectingAnOlderLineShowsItsTransactionAndTheNewestFollowsAgain)
{
    click(window->cmdRdTemp);
    click(window->cmdStopConvert);
    boardWindow->refresh();
    WaveformView* view = boardWindow->waveformPane->view;
    EXPECT_EQ(view->waveform().itemsText(), "S 90 W A 22 A P");

    QPlainTextEdit* lines = boardWindow->monitorPane->lines;
    const QPoint first = lines->cursorRect(QTextCursor(lines->document()->firstBlock())).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(view->waveform().itemsText(), "S 90 W A AA A Sr 91 R A 19 A 80 N P");
    EXPECT_EQ(boardWindow->waveformPane->caption->text(), lines->document()->firstBlock().text());

    click(window->cmdStartConvert);  // a newer line does not take the pane from the one picked
    boardWindow->refresh();
    EXPECT_EQ(view->waveform().itemsText(), "S 90 W A AA A Sr 91 R A 19 A 80 N P");

    boardWindow->monitorPane->select(2);  // the newest
    EXPECT_EQ(view->waveform().itemsText(), "S 90 W A EE A P");
    click(window->cmdStopConvert);
    boardWindow->refresh();
    EXPECT_EQ(view->waveform().itemsText(), "S 90 W A 22 A P");
}

TEST_F(ShiftOutWithBoard, WaveformShowsTheWordsSixteenBitsAndItsLatchOnTheThreeLines)
{
    ASSERT_NE(boardWindow->waveformPane, nullptr);
    click(window->cmdD(15));
    click(window->cmdD(1));
    boardWindow->refresh();
    const WaveformLayout& w = boardWindow->waveformPane->view->waveform();
    ASSERT_EQ(w.traces.size(), 3u);
    EXPECT_EQ(w.traces[0].name, "DTR");
    EXPECT_EQ(w.traces[1].name, "TXD");
    EXPECT_EQ(w.traces[2].name, "RTS");
    std::string bits;
    for (const auto& b : w.bits)
        bits += b.text;
    EXPECT_EQ(bits, "1000000000000010");
    ASSERT_EQ(w.items.size(), 17u);
    EXPECT_EQ(w.items[0].text, "D15");
    EXPECT_EQ(w.items[15].text, "D0");
    EXPECT_EQ(w.items[16].text, "latch 8002");
    EXPECT_EQ(monitored().back(), "latched 8002");
    EXPECT_GE(w.items[16].from, w.bits[15].to);  // the latch pulse after the last shift
}

TEST(BoardWindowParts, NoWaveformNorDumpWhereTheBoardHasNoBusLines)
{
    for (const char* name : {"serialout", "lineprobe"}) {
        Board board;
        program(name).buildBoard(board);
        BoardWindow w(board, BusMonitor::Clock::now());
        EXPECT_EQ(w.waveformPane, nullptr) << name;
        EXPECT_EQ(w.monitorPane->saveButton, nullptr) << name;
    }
}

TEST_F(ThermReadWithBoard, WaveformZoomsWithTheWheelAndShowsTheWholeTransactionOnF)
{
    boardWindow->resize(900, boardWindow->height());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(boardWindow.get()));
    click(window->cmdRdTemp);
    boardWindow->refresh();
    WaveformView* view = boardWindow->waveformPane->view;
    const double whole = view->pixelsPerMicrosecond();
    EXPECT_LE(view->firstShown(), 0.0);
    EXPECT_GE(view->lastShown(), view->waveform().end);
    const QPointF at(view->viewport()->width() / 2.0, 30);
    QWheelEvent up(at, view->viewport()->mapToGlobal(at), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &up);
    EXPECT_NEAR(view->pixelsPerMicrosecond(), whole * 1.5625, whole * 1e-6);
    EXPECT_GT(view->firstShown(), 0.0);  // zoomed into the middle
    EXPECT_LT(view->lastShown(), view->waveform().end);
    QTest::keyClick(view, Qt::Key_F);
    EXPECT_DOUBLE_EQ(view->pixelsPerMicrosecond(), whole);
    EXPECT_LE(view->firstShown(), 0.0);
}

TEST_F(ThermReadWithBoard, WaveformTakesTheWindowsPaletteLightOrDark)
{
    click(window->cmdRdTemp);
    boardWindow->refresh();
    WaveformView* view = boardWindow->waveformPane->view;
    for (QColor base : {QColor(Qt::white), QColor(30, 30, 34)}) {
        QPalette palette = boardWindow->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, base.lightness() > 128 ? Qt::black : Qt::white);
        boardWindow->setPalette(palette);
        const QImage drawn = view->viewport()->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 2, drawn.height() - 2), base);
    }
}

TEST_F(ShiftOutWithBoard, IdleWaveformRepaintsNothingAndANewWordRedrawsIt)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(boardWindow.get()));
    QTest::qWait(3 * BoardWindow::RefreshInterval);
    PaintCounter counter;
    QWidget* drawn = boardWindow->waveformPane->view->viewport();
    drawn->installEventFilter(&counter);
    QTest::qWait(5 * BoardWindow::RefreshInterval);
    EXPECT_TRUE(counter.paints.empty());
    click(window->cmdD(3));
    QTest::qWait(3 * BoardWindow::RefreshInterval);
    EXPECT_GE(counter.paints[drawn], 1);
}

TEST_F(ThermConfWithBoard, SavedDumpOfTheMonitorReadsInSigrokAsTheMonitorsLines)
{
    window->txtConfig->setText("A");
    click(window->cmdRdTemp);
    click(window->cmdWrConfig);
    boardWindow->monitor().note("a note, which has no waveform");
    click(window->cmdRdConfig);
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.vcd");
    QString error;
    const Lines lines = monitored();
    ASSERT_TRUE(boardWindow->monitorPane->saveVcd(path, error)) << error.toStdString();
    const VcdGrammar dump = VcdGrammar::read(path.toStdString());
    EXPECT_EQ(dump.fault, "");  // the clock stood still: still no two changes at one time
    EXPECT_EQ(dump.wires, (Lines{"SCL", "SDA"}));
    EXPECT_EQ(sigrokTransactions(path.toStdString()),
              (Lines{lines[0], lines[1], lines[3]}));
    EXPECT_FALSE(boardWindow->monitorPane->saveVcd(dir.filePath("no/such/dir.vcd"), error));
    EXPECT_TRUE(error.startsWith("cannot write")) << error.toStdString();
}

TEST_F(ThermReadWithBoard, BoardWorksOnWithoutItsWindow)
{
    boardWindow.reset();  // its monitor stops listening
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25.5");
}

// Under a German locale (the C library's and Qt's, as a program takes them from LC_ALL) the
// numbers that the windows put into boxes and the board window shows carry a decimal comma,
// while a typed number still reads a period only: a comma ends it. This group runs in a
// German environment of its own (see tests/CMakeLists.txt); the windows are made under the
// user's locale, which the test main otherwise pins to American English.
template <class Window>
class GermanLocale : public ProgramWithBoard<Window> {
protected:
    static void SetUpTestSuite() { QLocale::setDefault(QLocale::system()); }
    static void TearDownTestSuite() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void SetUp() override
    {
        ASSERT_EQ(QLocale().decimalPoint(), u",") << "not run under LC_ALL=de_DE.UTF-8";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the C library has no German locale: LOCPATH";
        ProgramWithBoard<Window>::SetUp();
    }
};
using GermanLocaleThermRead = GermanLocale<ThermReadWindow>;
using GermanLocaleAdcPanel = GermanLocale<AdcPanelWindow>;

TEST_F(GermanLocaleThermRead, TemperatureWithADecimalComma)
{
    click(window->cmdRdTemp);
    EXPECT_EQ(window->txtTemp->text(), "25,5");
    EXPECT_EQ(panel<SensorPanel>()->temperatureText->text(), "25,5 °C");
}

TEST_F(GermanLocaleAdcPanel, ReadingsWithADecimalCommaWhileACommaEndsATypedNumber)
{
    window->Timer1->stop();
    window->Timer1_Timer();
    EXPECT_EQ(window->Text3->text(), "2,50980392156863");
    EXPECT_EQ(panel<ConverterPanel>()->inputVolts[2]->text(), "2,51 V");

    window->Text5->setFocus();
    QTest::keyClick(window->Text5, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->Text5, "2,5");
    EXPECT_EQ(part<Pcf8591Converter>().output(), 102);  // 2 V
    boardWindow->refresh();
    EXPECT_EQ(panel<ConverterPanel>()->output->reading(), "2,00 V");
}

} // namespace
