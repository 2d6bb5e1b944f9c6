// Start-up when COM1 stands for a device that is not there: the program asks which device to
// use before its window, opens the choice as any start-up opens its port and remembers it; Quit
// ends it with status 1; a port named by an option is never asked for. --choose-port asks
// before starting. What a user who may not open the device is told. The whole runner in this
// process, on a configuration tree of the test's own and a pty through the kernel-call seam.
#include "BoardWindow.h"
#include "MonitorPane.h"
#include "IoPanelWindow.h"
#include "IsolatedConfig.h"
#include "ShownTexts.h"
#include "LiveProcess.h"
#include "PermissionAdvice.h"
#include "PortChoiceDialog.h"
#include "Programs.h"
#include "PtySerialDevice.h"
#include "RunProgram.h"
#include "ThermReadWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

using RunProgram::runWith;
using RunProgram::Then;

// While it lives, every modal dialog that comes up (a port choice or a message box) is handed
// to `answer` with its number, from 0, once the program's application exists: dialogs come
// before the program's window.
class DialogAnswerer {
public:
    using Answer = std::function<void(QDialog&, int)>;
    explicit DialogAnswerer(Answer answer) : answer_(std::move(answer))
    {
        static const bool hooked = (qAddPreRoutine([] {
                                        if (active)
                                            active->start();
                                    }),
                                    true);
        (void)hooked;
        active = this;
    }
    ~DialogAnswerer() { active = nullptr; }
    int count() const { return count_; }

private:
    void start()
    {
        timer_ = new QTimer(QCoreApplication::instance());
        QObject::connect(timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog != last_) {
                last_ = dialog;
                answer_(*dialog, count_++);
            }
        });
        timer_->start(5);
    }

    static inline DialogAnswerer* active = nullptr;
    Answer answer_;
    QPointer<QTimer> timer_;
    QPointer<QDialog> last_;
    int count_ = 0;
};

struct Asked {
    QString headline;
    QStringList rows;     // the COM ports it asks for
    QStringList choices;  // the first row's
    QString path;         // the first row's offer
    QString remember;
    bool rememberChecked = false;
};

Asked asked(QDialog& d)
{
    Asked a;
    if (!dynamic_cast<PortChoiceDialog*>(&d))
        return a;
    a.headline = d.findChild<QLabel*>("headline")->text();
    for (QComboBox* combo : d.findChildren<QComboBox*>()) {
        a.rows << combo->objectName().mid(QStringLiteral("choices").size());
        if (a.choices.isEmpty())
            for (int i = 0; i < combo->count(); ++i)
                a.choices << combo->itemText(i);
    }
    a.path = d.findChild<QLineEdit*>("path" + a.rows.value(0))->text();
    a.remember = d.findChild<QCheckBox*>("remember")->text();
    a.rememberChecked = d.findChild<QCheckBox*>("remember")->isChecked();
    return a;
}

void choose(QDialog& d, const QString& port, const QString& path)
{
    if (!dynamic_cast<PortChoiceDialog*>(&d)) {
        ADD_FAILURE() << "not asked which device: " << d.findChild<QLabel*>()->text().toStdString();
        d.reject();
        return;
    }
    d.findChild<QLineEdit*>("path" + port)->setText(path);
    d.findChild<QPushButton*>("open")->click();
}

class PortChoice : public ::testing::Test {
protected:
    // COM1 stands for a device that is not there, as the computer's file says.
    void com1IsMissing() { IsolatedConfig::write(config.systemFile(0), "[ports]\nCOM1=" + config.missingDevice() + "\n"); }
    QString userAssignment(int port)
    {
        return PortAssignments::load({}, [](const QString& line) { ADD_FAILURE() << line.toStdString(); }).describe(port);
    }
    QString pty() const { return QString::fromStdString(device.device()); }

    IsolatedConfig config;
    PtySerialDevice device;
    const DeviceOpener devices = device.opener();
    QTemporaryDir dir;
};

TEST_F(PortChoice, MissingCom1IsAskedForAndTheDeviceChosenOpensAndIsRemembered)
{
    com1IsMissing();
    const QString alsoMissing = config.missingDevice() + "-too";
    std::vector<Asked> seen;
    DialogAnswerer answerer([&](QDialog& d, int n) {
        seen.push_back(asked(d));
        choose(d, "COM1", n == 0 ? alsoMissing : pty());  // first another device that is not there
    });
    bool open = false;
    const QString trace = dir.filePath("trace");
    int status = runWith<ThermReadWindow>(program("thermread"), {"--trace=" + trace.toStdString()},
                                          [&](ThermReadWindow& w) { open = w.MSComm1.PortOpen(); }, Then::Quit, devices);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(open);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].headline, "COM1 stands for " + config.missingDevice() +
                                    ", which was not found on this computer: there is no such device, or no serial port "
                                    "behind it. Which device is the board's cable plugged into?");
    EXPECT_EQ(seen[0].rows, QStringList{"COM1"});
    EXPECT_TRUE(seen[0].choices.contains("Virtual board (no board needed)"));
    EXPECT_NE(seen[0].path, config.missingDevice()) << "offers the device that was not found";
    EXPECT_EQ(seen[0].remember, "Use it as COM1 from now on");
    EXPECT_TRUE(seen[0].rememberChecked);
    EXPECT_EQ(seen[1].headline, "COM1 (" + alsoMissing + "): no such device. Choose another device, or Quit.");
    EXPECT_EQ(userAssignment(1), "COM1 = " + pty() + " (user file " + config.userFile() + ")");
    // The program goes on as a start-up whose opening succeeded: one opening, nothing failed.
    const QString accesses = IsolatedConfig::read(trace);
    EXPECT_EQ(accesses.count("PortOpen = True"), 1);
    EXPECT_EQ(accesses.count("!!"), 0) << accesses.toStdString();

    // The next start goes straight to the remembered device.
    DialogAnswerer none([](QDialog& d, int) {
        ADD_FAILURE() << "asked again";
        d.reject();
    });
    open = false;
    EXPECT_EQ(runWith<ThermReadWindow>(program("thermread"), {}, [&](ThermReadWindow& w) { open = w.MSComm1.PortOpen(); },
                                       Then::Quit, devices),
              0);
    EXPECT_TRUE(open);
}

// Under a German locale the question speaks German, the suite's words and Qt's alike.
class GermanLocalePortChoice : public PortChoice {};

TEST_F(GermanLocalePortChoice, TheQuestionAtStartUpSpeaksGerman)
{
    com1IsMissing();
    std::vector<Asked> seen;
    QStringList texts;
    DialogAnswerer answerer([&](QDialog& d, int) {
        seen.push_back(asked(d));
        texts = shownTexts(d);
        d.reject();
    });
    EXPECT_EQ(runWith<ThermReadWindow>(program("thermread"), {}, [](ThermReadWindow&) {}), 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].headline, "COM1 steht für " + config.missingDevice() +
                                    ", das auf diesem Computer nicht gefunden wurde: Es gibt kein solches Gerät, oder keine "
                                    "serielle Schnittstelle dahinter. An welchem Gerät steckt das Kabel der Platine?");
    EXPECT_TRUE(seen[0].choices.contains("Virtuelle Platine (keine Platine nötig)")) << seen[0].choices.join(u'|').toStdString();
    EXPECT_EQ(seen[0].remember, "Ab jetzt als COM1 verwenden");
    for (const char* button : {"&Öffnen", "&Aktualisieren", "&Beenden"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(button))) << button << " in " << texts.join(u'|').toStdString();
}

// In German a refused device is explained in German, while the trace keeps its English.
TEST_F(GermanLocalePortChoice, ARefusedDeviceIsExplainedInGermanAndTracedInEnglish)
{
    device.calls.openErrno = EACCES;
    QStringList boxes;
    DialogAnswerer answerer([&](QDialog& d, int) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        boxes << (box ? box->text() : QStringLiteral("a dialog"));
        d.reject();
    });
    const QString trace = dir.filePath("trace");
    EXPECT_EQ(runWith<ThermReadWindow>(program("thermread"), {"--com1=" + pty().toStdString(), "--trace=" + trace.toStdString()},
                                       [](ThermReadWindow&) {}, Then::Quit, devices),
              1);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_NE(boxes[0].indexOf("treten Sie der Gruppe dialout bei"), -1) << boxes[0].toStdString();
    const QString traced = IsolatedConfig::read(trace);
    EXPECT_NE(traced.indexOf("PortOpen = True !! COM1 (" + pty() + "): permission denied"), -1) << traced.toStdString();
    EXPECT_NE(traced.indexOf("join the dialout group"), -1) << traced.toStdString();
    EXPECT_EQ(traced.indexOf("Gruppe"), -1) << traced.toStdString();
}

// The board's window comes with the choice, in time to see the start-up word of shiftout.
// With "Use it as COM1 from now on" unchecked, the choice is for this run only.
TEST_F(PortChoice, TheVirtualBoardChosenAtStartUpBringsItsWindowBeforeTheFirstWord)
{
    com1IsMissing();
    const QString mine = "[window]\nzoom=2\n";
    IsolatedConfig::write(config.userFile(), mine);
    for (bool remember : {false, true}) {
        DialogAnswerer answerer([remember](QDialog& d, int) {
            d.findChild<QCheckBox*>("remember")->setChecked(remember);
            choose(d, "COM1", "virtual");
        });
        QString monitor;
        int status = runWith<FormWindow>(program("shiftout"), {}, [&](FormWindow&) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* board = dynamic_cast<BoardWindow*>(w); board && board->isVisible()) {
                    board->monitorPane->refresh();
                    monitor = board->monitorPane->lines->toPlainText();
                }
        });
        EXPECT_EQ(status, 0);
        EXPECT_NE(monitor.indexOf("latched 0000"), -1) << monitor.toStdString();
        if (remember)
            EXPECT_EQ(userAssignment(1), "COM1 = virtual (user file " + config.userFile() + ")");
        else
            EXPECT_EQ(IsolatedConfig::read(config.userFile()), mine) << "the user's file was written";
    }
}

TEST_F(PortChoice, QuitOrClosingTheDialogEndsWithStatus1AndRemembersNothing)
{
    com1IsMissing();
    for (bool quit : {true, false}) {
        DialogAnswerer answerer([quit](QDialog& d, int) {
            if (quit)
                d.findChild<QPushButton*>("quit")->click();
            else
                d.close();
        });
        bool ran = false;
        testing::internal::CaptureStderr();
        int status = runWith<ThermReadWindow>(program("thermread"), {}, [&](ThermReadWindow&) { ran = true; }, Then::Quit, devices);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, 1);
        EXPECT_EQ(answerer.count(), 1) << "no box after the dialog";
        EXPECT_FALSE(ran);
        EXPECT_FALSE(QFileInfo::exists(config.userFile()));
        EXPECT_NE(said.find("thermread: no device chosen; ended\n"), std::string::npos) << said;
    }

    // lineprobe goes on past a port held by another program; not when the user quit after
    // choosing such a port.
    LiveProcess holder;
    std::ofstream(device.lockFile()) << PtySerialDevice::lockText(holder.pid());
    QStringList shown;
    DialogAnswerer answerer([&](QDialog& d, int n) {
        shown << (dynamic_cast<PortChoiceDialog*>(&d) ? "choice" : "box");
        if (n == 0)
            choose(d, "COM1", pty());
        else
            d.reject();
    });
    bool ran = false;
    EXPECT_EQ(runWith<FormWindow>(program("lineprobe"), {}, [&](FormWindow&) { ran = true; }, Then::Quit, devices), 1);
    EXPECT_EQ(shown, (QStringList{"choice", "choice"}));
    EXPECT_FALSE(ran);
}

// A port given with --comN is the user's own words: a failure is reported as it is, for scripts.
TEST_F(PortChoice, APortGivenAsAnOptionIsNeverAskedFor)
{
    struct Case {
        QString com1;
        int openErrno;
        QString says;
        QString then;
    } cases[] = {
        {config.missingDevice(), 0, "COM1 (" + config.missingDevice() + "): no such device\n", "Use one with --com1="},
        // With the way forward: the dialout group, whether or not the suite's rule is installed.
        {pty(), EACCES, "COM1 (" + pty() + "): permission denied; the user must be in the dialout group\n",
         "join the dialout group: run \"sudo adduser "},
    };
    for (const Case& c : cases) {
        device.calls.openErrno = c.openErrno;
        QStringList boxes;
        DialogAnswerer answerer([&](QDialog& d, int) {
            auto* box = qobject_cast<QMessageBox*>(&d);
            boxes << (box ? box->text() : QStringLiteral("a dialog"));
            d.reject();
        });
        int status = runWith<ThermReadWindow>(program("thermread"), {"--com1=" + c.com1.toStdString()},
                                              [](ThermReadWindow&) {}, Then::Quit, devices);
        EXPECT_EQ(status, 1);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0].startsWith(c.says)) << boxes[0].toStdString();
        EXPECT_NE(boxes[0].indexOf(c.then), -1) << boxes[0].toStdString();
    }
}

TEST_F(PortChoice, ChoosePortAsksBeforeStartingForThePortsOfTheProgram)
{
    // thermread's one port, set to the virtual board from the list.
    com1IsMissing();
    std::vector<Asked> seen;
    DialogAnswerer answerer([&](QDialog& d, int) {
        seen.push_back(asked(d));
        auto* choices = d.findChild<QComboBox*>("choicesCOM1");
        const int virtualBoard = choices->findData("virtual");
        choices->setCurrentIndex(virtualBoard);
        emit choices->activated(virtualBoard);
        d.findChild<QPushButton*>("open")->click();
    });
    bool onBoard = false;
    int status = runWith<ThermReadWindow>(program("thermread"), {"--choose-port"}, [&](ThermReadWindow& w) {
        const QWidgetList shown = QApplication::topLevelWidgets();
        onBoard = w.MSComm1.PortOpen() && std::any_of(shown.begin(), shown.end(), [](QWidget* t) {
                      return dynamic_cast<BoardWindow*>(t) && t->isVisible();
                  });
    });
    EXPECT_EQ(status, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].headline, "Which device is COM1, the board's serial port?");
    EXPECT_EQ(seen[0].path, config.missingDevice()) << "the port's meaning now comes first";
    EXPECT_TRUE(onBoard);
    EXPECT_EQ(userAssignment(1), "COM1 = virtual (user file " + config.userFile() + ")");

    // iopanel: a row for each of COM1 to COM4; only the one changed is written.
    seen.clear();
    DialogAnswerer four([&](QDialog& d, int) {
        seen.push_back(asked(d));
        choose(d, "COM2", pty());
    });
    bool com2Opens = false;
    status = runWith<IoPanelWindow>(program("iopanel"), {"--choose-port"}, [&](IoPanelWindow& w) {
        w.Option5(2)->click();
        com2Opens = w.MSComm1.PortOpen();
    }, Then::Quit, devices);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rows, (QStringList{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(seen[0].remember, "Use them as COM1 to COM4 from now on");
    EXPECT_TRUE(com2Opens);
    EXPECT_EQ(userAssignment(1), "COM1 = virtual (user file " + config.userFile() + ")");
    EXPECT_EQ(userAssignment(2), "COM2 = " + pty() + " (user file " + config.userFile() + ")");
    EXPECT_TRUE(userAssignment(3).endsWith("(default)")) << userAssignment(3).toStdString();
}

TEST(PortChoiceDialog, OffersUsbAdaptersFirstByTheirStableNameAndWithNoDeviceTheVirtualBoard)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "thermread";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    IsolatedConfig config;
    const PortAssignments ports = PortAssignments::load({}, {});
    const DeviceFacts builtIn{"/dev/built-in0", "", "serial", "", "", ""};
    const DeviceFacts adapter{"/dev/usb-adapter0", "/dev/serial/by-id/usb-x-if00", "cp210x", "10c4", "ea60", "CP2102"};
    std::vector<DeviceFacts> present{builtIn, adapter};
    auto items = [](const QDialog& d) {
        QStringList texts;
        auto* choices = d.findChild<QComboBox*>("choicesCOM1");
        for (int i = 0; i < choices->count(); ++i)
            texts << choices->itemText(i);
        return texts;
    };
    PortChoiceDialog dialog("", {1}, ports, PortChoiceDialog::Offer::FirstPresent, [&present] { return present; });
    EXPECT_EQ(items(dialog), (QStringList{"CP2102 (cp210x): /dev/usb-adapter0, /dev/serial/by-id/usb-x-if00",
                                          "Serial port (serial): /dev/built-in0", "Virtual board (no board needed)",
                                          "Another device: type its path below"}));
    EXPECT_EQ(dialog.device(1), "/dev/serial/by-id/usb-x-if00");
    EXPECT_TRUE(dialog.findChild<QLabel*>("found")->isHidden());

    // Typed, the path shows as the choice it names.
    auto* path = dialog.findChild<QLineEdit*>("pathCOM1");
    const struct {
        const char* typed;
        const char* shown;
    } typings[] = {
        {"virtual", "Virtual board (no board needed)"},
        {"/dev/built-in0", "Serial port (serial): /dev/built-in0"},
        {"/dev/serial/by-id/usb-x-if00", "CP2102 (cp210x): /dev/usb-adapter0, /dev/serial/by-id/usb-x-if00"},
        {"/dev/usb-adapter0", "CP2102 (cp210x): /dev/usb-adapter0, /dev/serial/by-id/usb-x-if00"},
        {"/dev/elsewhere", "Another device: type its path below"},
    };
    for (const auto& t : typings) {
        path->clear();
        QTest::keyClicks(path, t.typed);
        EXPECT_EQ(dialog.findChild<QComboBox*>("choicesCOM1")->currentText(), t.shown) << t.typed;
        EXPECT_EQ(dialog.device(1), t.typed);
    }

    present.clear();
    PortChoiceDialog none("", {1}, ports, PortChoiceDialog::Offer::FirstPresent, [&present] { return present; });
    EXPECT_EQ(items(none), (QStringList{"Virtual board (no board needed)", "Another device: type its path below"}));
    EXPECT_EQ(none.device(1), "virtual");
    EXPECT_FALSE(none.findChild<QLabel*>("found")->isHidden());
    EXPECT_EQ(none.findChild<QLabel*>("found")->text(),
              "No serial device was found on this computer. Plug the adapter in and press Refresh, or use the virtual board.");
    // The adapter plugged in now.
    present = {adapter};
    none.findChild<QPushButton*>("refresh")->click();
    EXPECT_EQ(items(none).size(), 3);
    EXPECT_TRUE(none.findChild<QLabel*>("found")->isHidden());
}

// The advice after "permission denied", with the suite's own rule installed or not.
TEST(PermissionDenied, SaysWhatToDoAndWhyTheInstalledRuleDidNotHelp)
{
    QTemporaryDir rules;
    const std::vector<std::string> folders{rules.path().toStdString()};
    DeviceFacts ch340{"/dev/usb-adapter0", "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0", "ch341-uart", "1a86", "7523", "USB Serial"};
    DeviceFacts unknown{"/dev/usb-adapter1", "", "ftdi_sio", "0403", "abcd", ""};
    const std::string group = "join the dialout group: run \"sudo adduser ann dialout\" (or ask whoever looks after this "
                              "computer to), then log out and log in again";

    EXPECT_EQ(PermissionAdvice::forDevice(ch340, "ann", folders),
              "To use serial devices, " + group + "; or install the boardsuite package, whose rule lets whoever sits at "
              "the computer use the USB serial adapters it knows, from their next plug-in.");

    const std::string rule = rules.filePath(BOARD_SUITE_UDEV_RULE).toStdString();
    std::filesystem::copy_file(BOARD_SUITE_SOURCE_DIR "/desktop/adapters.rules", rule);
    EXPECT_EQ(PermissionAdvice::forDevice(ch340, "ann", folders),
              "The suite's rule " + rule + " knows this adapter (USB 1a86:7523) but has not given it to you: unplug it "
              "and plug it in again (the rule applies when an adapter is plugged in), and use it from a session at this "
              "computer, not a remote one. Or " + group + ".");
    EXPECT_EQ(PermissionAdvice::forDevice(unknown, "ann", folders),
              "The suite's rule " + rule + " is installed but does not cover this device (USB 0403:abcd is not one of "
              "the adapters it knows): " + group + ".");
    EXPECT_EQ(PermissionAdvice::forDevice(DeviceFacts{"/dev/built-in-port"}, "ann", folders),
              "The suite's rule " + rule + " is installed but does not cover this device (it is no USB adapter): " + group + ".");
}

} // namespace
