// What every window does alike, and what the temperature windows make of unusual bytes and
// refused texts: each program's window on its own virtual board, driven offscreen.
#include "ModalBox.h"
#include "Programs.h"
#include "ScriptedLines.h"
#include "ThermConfWindow.h"
#include "VirtualPort.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <memory>

namespace {

// A program's window on its own virtual board, as its main builds it.
struct ProgramWindow {
    explicit ProgramWindow(const Program& program) : window(program.createWindow(MSComm::Setup{
                                                         [this](int, const LineSettings& s) {
                                                             return std::make_unique<VirtualPort>(board, s);
                                                         }}))
    {
        program.buildBoard(board);
        window->Form_Load();
    }
    Board board;
    std::unique_ptr<FormWindow> window;
};

TEST(EveryWindow, EveryControlCarriesItsLayoutName)
{
    for (const Program& program : programs()) {
        ProgramWindow p(program);
        QStringList unnamed, names;
        for (QObject* control : p.window->findChildren<QWidget*>())
            (control->objectName().isEmpty() ? unnamed : names) << QString::fromLatin1(control->metaObject()->className());
        for (QObject* timer : p.window->findChildren<QTimer*>())
            (timer->objectName().isEmpty() ? unnamed : names) << QStringLiteral("QTimer");
        EXPECT_TRUE(unnamed.isEmpty()) << program.name.toStdString() << ": " << unnamed.join(u' ').toStdString();
        EXPECT_FALSE(names.isEmpty()) << program.name.toStdString();

        // Each name stands for one control.
        QStringList all;
        for (QObject* control : p.window->findChildren<QObject*>())
            if (!control->objectName().isEmpty())
                all << control->objectName();
        EXPECT_EQ(all.removeDuplicates(), 0) << program.name.toStdString();
    }
}

// Enter (the main one and the keypad's) clicks a focused command button, as Space does, in
// every program that has one. A fresh window for every key: iopanel's only button at start is
// "E&xit".
TEST(EveryWindow, EnterAndSpaceClickTheFocusedButton)
{
    const struct {
        const char* program;
        const char* button;
    } buttons[] = {{"thermread", "cmdRdTemp"}, {"thermconf", "cmdRdConfig"}, {"iopanel", "Command3"},
                   {"shiftout", "cmdOut"},     {"serialout", "cmdD(15)"}};
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& b : buttons) {
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string(b.program) + " " + b.button + " key " + std::to_string(k.key));
            ProgramWindow p(program(b.program));
            auto* button = p.window->findChild<QPushButton*>(QLatin1String(b.button));
            ASSERT_NE(button, nullptr);
            p.window->show();
            QApplication::setActiveWindow(p.window.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(p.window.get()));
            button->setFocus();
            ASSERT_TRUE(button->hasFocus());
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            QTest::keyClick(button, k.key, k.modifiers);
            EXPECT_EQ(clicked.count(), 1);
        }
    }
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
class ThermconfRefusal : public WindowOnSensorBoard<ThermConfWindow> {
protected:
    ThermconfRefusal() { QCoreApplication::setApplicationName("thermconf"); }
    ~ThermconfRefusal() override { QCoreApplication::setApplicationName(appName); }
    QString appName = QCoreApplication::applicationName();
};

TEST_F(ThermconfRefusal, NamesWhatIsAcceptedUnderTheProgramsName)
{
    window->txtConfig->setText("1FF");
    SeenBox box = closeBoxRaisedBy([&] { window->cmdWrConfig->click(); });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.title, "thermconf");
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    for (const char* words : {"\"1FF\"", "hexadecimal", "0 to FF", "either case", "leading zeros are allowed"})
        EXPECT_TRUE(box.text.contains(QLatin1String(words))) << words << " in " << box.text.toStdString();
    EXPECT_FALSE(box.text.contains("one or two")) << box.text.toStdString();  // three digits are accepted

    for (const char* typed : {"00A", "0a"}) {
        window->txtConfig->setText(typed);
        EXPECT_FALSE(closeBoxRaisedBy([&] { window->cmdWrConfig->click(); }).shown) << typed;
        EXPECT_EQ(sensor->config(), 0x0A) << typed;
    }
}

} // namespace
