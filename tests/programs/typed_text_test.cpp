// Nasty texts typed (or pasted) into every text box of every program, each followed by every
// action of the window: nothing may crash or hang, every handler leaves the line between
// frames (the two-wire bus idle with no transaction open, no shift or byte waiting for its
// latch), and every transaction on the bus is well formed.

#include "AdcPanelWindow.h"
#include "FrameWatcher.h"
#include "HexDigits.h"
#include "HexText.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "ModalBoxCloser.h"
#include "ProgramTest.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

// Texts no box expects. Short printable ones are typed key by key; the rest are pasted.
const QStringList& nastyTexts()
{
    static const QStringList texts = [] {
        QStringList t{
            QString(), QStringLiteral(" "), QStringLiteral("&H"), QStringLiteral("&h"), QStringLiteral("&O"),
            QStringLiteral("&"), QStringLiteral("&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"), QStringLiteral("&O99"),
            QStringLiteral("1e999999999"), QStringLiteral("-1e999999999"), QStringLiteral("1e-999999999"),
            QStringLiteral("9e308"), QStringLiteral("1E+"), QStringLiteral("1e"), QStringLiteral("."),
            QStringLiteral("-"), QStringLiteral("+-1"), QStringLiteral("-----1"), QStringLiteral("NaN"),
            QStringLiteral("inf"), QStringLiteral("-inf"), QStringLiteral("1,5"), QStringLiteral("0x10"),
            QStringLiteral("FF "), QStringLiteral(" FF"), QStringLiteral("000000000000FF"), QStringLiteral("100"),
            QStringLiteral("-1"), QStringLiteral("+F"), QStringLiteral("G"), QStringLiteral("5.0000000001"),
            QStringLiteral("4.99999999999999999999"), QStringLiteral("-0"), QStringLiteral("%s%n%x"),
            QString::fromUtf8("\u0663"),        // an Arabic-Indic digit three
            QString::fromUtf8("\uFF11"),        // a full-width digit one
            QString::fromUtf8("1\u00A0"),       // a no-break space
            QString::fromUtf8("\U0001F525"),    // outside the basic plane: a surrogate pair
            QString(QChar(0xD800)),             // a lone surrogate
            QStringLiteral("\x01\x02\x1b\x7f\t\r\nA"), QString(QChar(0)) + QStringLiteral("FF"),
            QStringLiteral("FF\n00"),
            // Markup, which a box left to guess the format would render.
            QStringLiteral("<b>1</b>"), QStringLiteral("<b>1</b>\n<i>2</i>"),
            QStringLiteral("<img src=/some/file.png width=4000>"),
        };
        t << QString(40000, u'9') << (QStringLiteral("&H") + QString(5000, u'F')) << QString(20000, u'-')
          << QString(3000, u'0') + QStringLiteral("FF") << (QStringLiteral("1e") + QString(5000, u'9'))
          << QStringLiteral("<b>FF</b>").repeated(4000).left(32767);  // as much as a box takes
        return t;
    }();
    return texts;
}

bool typeable(const QString& text)
{
    if (text.size() > 64)
        return false;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
            return false;
    return true;
}

enum class Entry { TypedIfPossible, Pasted };

void typeInto(QLineEdit* box, const QString& text, Entry entry = Entry::TypedIfPossible)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    if (entry == Entry::TypedIfPossible && typeable(text)) {
        QTest::keyClicks(box, text);
    } else {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
}

// A program's window on its own virtual board, as the program builds it, with a decoder on
// the bus and a watcher on the latch lines. Every message box that comes up is closed.
template <class Window>
class TypedText : public ProgramTest<Window> {
public:
    using ProgramTest<Window>::click;

    // Between handlers: no transaction under way, both bus lines released, nothing waiting
    // for a latch pulse, and nothing malformed so far.
    void expectBetweenFrames(const QString& text, const char* after)
    {
        SCOPED_TRACE(std::string("after ") + after + " with \"" + text.left(40).toStdString() + "\"");
        EXPECT_EQ(bus.pending(), "");
        EXPECT_TRUE(this->board.lines().dtr);
        EXPECT_TRUE(this->board.lines().rts);
        EXPECT_EQ(latch.open(), (FrameWatcher::Frame{0, 0}));
        ASSERT_TRUE(bus.malformed().empty()) << bus.malformed().front();
    }

    // A box shows its texts as they stand, never as markup, and fits on the screen.
    void expectPlainBoxesSince(std::size_t first, const QString& text)
    {
        for (std::size_t i = first; i < closer.boxes().size(); ++i) {
            const ModalBoxCloser::Box& box = closer.boxes()[i];
            SCOPED_TRACE("box after \"" + text.left(40).toStdString() + "\"");
            EXPECT_TRUE(box.plainText);
            EXPECT_LE(box.size.width(), box.screen.width());
            EXPECT_LE(box.size.height(), box.screen.height());
        }
    }

    // Types every nasty text into every text box, running `act` after each.
    void typeEverywhere(const std::function<void()>& act)
    {
        const auto textBoxes = this->window->template findChildren<QLineEdit*>();
        ASSERT_FALSE(textBoxes.isEmpty());
        for (QLineEdit* box : textBoxes) {
            for (const QString& text : nastyTexts()) {
                typeInto(box, text);
                expectBetweenFrames(text, "typing");
                const std::size_t boxesBefore = closer.boxes().size();
                act();
                expectBetweenFrames(text, "the window's actions");
                expectPlainBoxesSince(boxesBefore, text);
            }
        }
    }

    int boxes() const { return closer.count(); }

    FrameWatcher& latch = this->board.template add<FrameWatcher>();
    DecodedBus& bus = this->decoded;
    ModalBoxCloser closer;
};

using ThermreadTyping = TypedText<ThermReadWindow>;
using ThermconfTyping = TypedText<ThermConfWindow>;
using AdcPanelTyping = TypedText<AdcPanelWindow>;
using IoPanelTyping = TypedText<IoPanelWindow>;
using ShiftOutTyping = TypedText<ShiftOutWindow>;
using SerialOutTyping = TypedText<SerialOutWindow>;
using LineProbeTyping = TypedText<LineProbeWindow>;

TEST_F(ThermreadTyping, AnyTextLeavesTheButtonsWorking)
{
    typeEverywhere([this] {
        click(window->cmdStartConvert);
        click(window->cmdStopConvert);
        click(window->cmdRdTemp);
        EXPECT_EQ(window->txtTemp->text(), "25.5");
    });
    EXPECT_EQ(boxes(), 0);
}

TEST_F(ThermconfTyping, AnyConfigTextIsWrittenWholeOrNotAtAll)
{
    typeEverywhere([this] {
        const std::size_t before = bus.transactions().size();
        const auto typed = forms::parseHexByte(window->txtConfig->text());
        const int boxesBefore = boxes();
        click(window->cmdWrConfig);
        if (typed) {
            ASSERT_EQ(bus.transactions().size(), before + 1);
            EXPECT_EQ(bus.transactions().back(), "S 90 W A AC A " + hexDigits(*typed, 2) + " A P");
            EXPECT_EQ(boxes(), boxesBefore);
        } else {
            EXPECT_EQ(bus.transactions().size(), before);  // refused before anything went out
            EXPECT_EQ(boxes(), boxesBefore + 1);
        }
        click(window->cmdRdConfig);
        click(window->cmdRdTemp);
    });
}

TEST_F(AdcPanelTyping, AnyOutputTextSendsWholeTransactionsWithinTheByteRange)
{
    window->Timer1->stop();
    typeEverywhere([this] {
        window->Timer1_Timer();
        for (const std::string& t : bus.transactions())
            EXPECT_TRUE(t.rfind("S 90 W A 44 A ", 0) == 0 || t == "S 90 W A 45 A P" || t.rfind("S 91 R A ", 0) == 0)
                << t;
        bus.clear();
    });
}

TEST_F(AdcPanelTyping, OutOfRangeTextsAreClippedInTheBox)
{
    window->Timer1->stop();
    struct Case {
        QString text;
        QString shown;
        const char* sent;
    };
    const Case cases[] = {
        {QStringLiteral("1e999999999"), QStringLiteral("5"), "FF"},
        {QStringLiteral("-1e999999999"), QStringLiteral("0"), "00"},
        {QStringLiteral("&H") + QString(5000, u'F'), QStringLiteral("5"), "FF"},
        {QString(40000, u'9'), QStringLiteral("5"), "FF"},
        {QStringLiteral("&H"), QStringLiteral("&H"), "00"},
        {QStringLiteral("1e-999999999"), QStringLiteral("1e-999999999"), "00"},
    };
    for (const Case& c : cases) {
        typeInto(window->Text5, c.text, Entry::Pasted);
        EXPECT_EQ(window->Text5->text(), c.shown);
        ASSERT_FALSE(bus.transactions().empty());
        EXPECT_EQ(bus.transactions().back(), std::string("S 90 W A 44 A ") + c.sent + " A P");
    }
}

TEST_F(IoPanelTyping, TextInTheAddressBoxesChangesNothingOnTheBus)
{
    window->Timer1->stop();
    window->Timer2->stop();
    click(window->Option5(1));
    click(window->Option1(1));  // panel 1 in Write mode
    typeEverywhere([this] {
        bus.clear();
        window->Timer2_Timer();
        click(window->Command1(3));
        ASSERT_EQ(bus.transactions().size(), 4u);
        EXPECT_EQ(bus.transactions()[0], "S 42 W A FF A P");
        EXPECT_EQ(bus.transactions()[2].substr(0, 9), "S 41 R A ");
    });
    EXPECT_EQ(boxes(), 0);
}

template <class Fixture>
void outputPanelActions(Fixture& f)
{
    auto* w = f.window.get();
    const std::size_t before = f.latch.frames.size();
    const int boxesBefore = f.boxes();
    const bool good = forms::parseHexByte(w->txtOutH->text()) && forms::parseHexByte(w->txtOutL->text());
    f.click(w->cmdOut);
    EXPECT_EQ(f.latch.frames.size(), before + (good ? 1 : 0));
    EXPECT_EQ(f.boxes(), boxesBefore + (good ? 0 : 1));
    f.click(w->cmdReset);
    f.click(w->cmdD(0));
    f.click(w->cmdD(0));
}

TEST_F(ShiftOutTyping, EveryWordIsSixteenShiftsAndOneLatch)
{
    typeEverywhere([this] { outputPanelActions(*this); });
    for (const auto& frame : latch.frames)
        ASSERT_EQ(frame, (FrameWatcher::Frame{16, 0}));
}

TEST_F(SerialOutTyping, EveryWordIsTwoBytesAndOneLatch)
{
    typeEverywhere([this] { outputPanelActions(*this); });
    for (const auto& frame : latch.frames)
        ASSERT_EQ(frame, (FrameWatcher::Frame{0, 2}));
}

TEST_F(LineProbeTyping, HasNoTextBox)
{
    EXPECT_TRUE(window->template findChildren<QLineEdit*>().isEmpty());
}

} // namespace
