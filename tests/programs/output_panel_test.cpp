// The output panel as both programs show it: every word the panel shows is the word the
// board latches, in click order, whichever way it travels.
#include "CaptionFit.h"
#include "ModalBoxCloser.h"
#include "OutputPanelTest.h"
#include "SerialOutWindow.h"
#include "Twips.h"

#include <QLabel>

using Words = std::vector<std::uint16_t>;

template <class Window>
using Panel = OutputPanelTest<Window>;
using Programs = ::testing::Types<ShiftOutWindow, SerialOutWindow>;
TYPED_TEST_SUITE(Panel, Programs);

TYPED_TEST(Panel, StartsOnTheAllZeroWord)
{
    EXPECT_EQ(this->openedPorts, std::vector<int>{1});
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(this->window->cmdD(i)->text(), "OFF") << i;
    EXPECT_EQ(this->window->txtOutH->text(), "0");
    EXPECT_EQ(this->window->txtOutL->text(), "0");
    EXPECT_EQ(this->latches.words, Words{0x0000});
}

TYPED_TEST(Panel, ButtonsToggleAndRewriteBothBoxes)
{
    this->clickBit(0);
    EXPECT_EQ(this->window->cmdD(0)->text(), "ON");
    EXPECT_EQ(this->window->txtOutH->text(), "0");
    EXPECT_EQ(this->window->txtOutL->text(), "1");
    this->clickBit(0);
    EXPECT_EQ(this->window->cmdD(0)->text(), "OFF");
    this->clickBit(15);
    EXPECT_EQ(this->window->txtOutH->text(), "80");
    this->clickBit(15);
    this->clickBit(10);
    EXPECT_EQ(this->window->txtOutH->text(), "4");  // never 04
    EXPECT_EQ(this->window->txtOutL->text(), "0");
    EXPECT_EQ(this->latches.words, (Words{0x0000, 0x0001, 0x0000, 0x8000, 0x0000, 0x0400}));
}

TYPED_TEST(Panel, LatchesEveryWordShownInClickOrder)
{
    Words shown{0x0000};
    // All sixteen on, from the right of the lower row, then off again from the left.
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15, 7, 14, 6, 3}) {
        this->clickBit(i);
        EXPECT_EQ(this->shownWord(), this->buttonWord());
        EXPECT_EQ(this->latched(), this->shownWord()) << "after cmdD(" << i << ")";
        shown.push_back(this->shownWord());
        if (this->shownWord() == 0xFFFF) {
            EXPECT_EQ(this->window->txtOutH->text(), "FF");
            EXPECT_EQ(this->window->txtOutL->text(), "FF");
        }
    }
    EXPECT_EQ(this->latches.words, shown);
    EXPECT_EQ(shown.back(), 0x3F37);  // D15, D14, D7, D6 and D3 off again
}

TYPED_TEST(Panel, OutSendsTheTypedBytesAndLeavesThePanelAsItIs)
{
    this->window->txtOutH->setText("");
    QTest::keyClicks(this->window->txtOutH, "ff");
    this->click(this->window->cmdOut);
    EXPECT_EQ(this->latched(), 0xFF00);
    EXPECT_EQ(this->window->txtOutH->text(), "ff");
    EXPECT_EQ(this->window->txtOutL->text(), "0");
    EXPECT_EQ(this->buttonWord(), 0);

    this->clickBit(0);
    EXPECT_EQ(this->window->txtOutH->text(), "0");
    EXPECT_EQ(this->window->txtOutL->text(), "1");
    EXPECT_EQ(this->latched(), 0x0001);

    this->window->txtOutH->setText("0FF");
    this->window->txtOutL->setText("a5");
    this->click(this->window->cmdOut);
    EXPECT_EQ(this->latched(), 0xFFA5);
    EXPECT_EQ(this->window->txtOutL->text(), "a5");
    EXPECT_EQ(this->latches.words, (Words{0x0000, 0xFF00, 0x0001, 0xFFA5}));
}

TYPED_TEST(Panel, RefusedTextSendsNothingAndNamesItsBox)
{
    struct Case {
        const char* outH;
        const char* outL;
        bool namesOutH, namesOutL;
    } cases[] = {{"100", "0", true, false}, {"G1", "0", true, false}, {"", "0", true, false},
                 {"1", "100", false, true}, {"1", "G1", false, true}, {"1", "", false, true},
                 {"", "zz", true, true},    {" 1", "1", true, false}, {"1", "0x1", false, true}};
    this->clickBit(3);
    const auto received = this->receiver.received();
    const long shifts = this->shifter.shifts();
    for (const Case& c : cases) {
        this->window->txtOutH->setText(c.outH);
        this->window->txtOutL->setText(c.outL);
        this->recorder.clear();
        auto box = ModalBoxCloser::closeRaisedBy([&] { this->click(this->window->cmdOut); });
        ASSERT_TRUE(box) << c.outH << "/" << c.outL;
        EXPECT_EQ(box->text.contains("OUTH: \"" + QString(c.outH) + "\""), c.namesOutH) << box->text.toStdString();
        EXPECT_EQ(box->text.contains("OUTL: \"" + QString(c.outL) + "\""), c.namesOutL) << box->text.toStdString();
        EXPECT_TRUE(box->text.contains("0 to FF"));
        EXPECT_EQ(box->title, QCoreApplication::applicationName());
        EXPECT_TRUE(this->recorder.lines().empty()) << c.outH << "/" << c.outL;
        EXPECT_EQ(this->window->txtOutH->text(), c.outH);
        EXPECT_EQ(this->window->txtOutL->text(), c.outL);
        EXPECT_EQ(this->buttonWord(), 0x0008);
    }
    EXPECT_EQ(this->receiver.received(), received);
    EXPECT_EQ(this->shifter.shifts(), shifts);
    EXPECT_EQ(this->latches.words, (Words{0x0000, 0x0008}));

    // The next good word is latched whole, not shifted by a lone byte.
    this->window->txtOutH->setText("12");
    this->window->txtOutL->setText("34");
    this->click(this->window->cmdOut);
    EXPECT_EQ(this->latched(), 0x1234);
}

TYPED_TEST(Panel, ResetSendsZeroAndTheNextClickSendsThePanelsWordAgain)
{
    this->clickBit(3);
    this->click(this->window->cmdReset);
    EXPECT_EQ(this->window->cmdD(3)->text(), "ON");
    EXPECT_EQ(this->window->txtOutL->text(), "8");
    EXPECT_EQ(this->latched(), 0x0000);
    this->clickBit(0);
    EXPECT_EQ(this->latches.words, (Words{0x0000, 0x0008, 0x0000, 0x0009}));
}

TYPED_TEST(Panel, OnlyTheExactCaptionOnCounts)
{
    this->window->cmdD(2)->setText("on");
    this->window->cmdD(5)->setText("ON");
    this->clickBit(0);
    EXPECT_EQ(this->latched(), 0x0021);
    this->clickBit(2);  // neither "OFF" nor "ON": becomes "OFF"
    EXPECT_EQ(this->window->cmdD(2)->text(), "OFF");
    EXPECT_EQ(this->latched(), 0x0021);
}

TYPED_TEST(Panel, LayoutAndFocus)
{
    auto* w = this->window.get();
    EXPECT_EQ(w->windowTitle(), TestFixture::OnControlLines ? "Shift Register 16 bit" : "KRM5200 Experiment");
    EXPECT_EQ(w->size(), QSize(forms::pixels(5790), forms::pixels(2580)));
    EXPECT_EQ(w->cmdD(15)->geometry(), forms::twipsRect(840, 480, 615, 435));
    EXPECT_EQ(w->cmdD(8)->geometry(), forms::twipsRect(5040, 480, 615, 435));
    EXPECT_EQ(w->cmdD(7)->geometry(), forms::twipsRect(840, 1380, 615, 435));
    EXPECT_EQ(w->cmdD(0)->geometry(), forms::twipsRect(5040, 1380, 615, 435));
    EXPECT_EQ(w->lblD(0)->geometry(), forms::twipsRect(5160, 1080, 285, 210));
    EXPECT_EQ(w->lblD(10)->pos(), forms::twipsRect(3945, 180, 285, 210).topLeft());
    EXPECT_EQ(w->lblD(15)->pos(), forms::twipsRect(1020, 180, 285, 210).topLeft());
    for (int i = 0; i < 16; ++i) {
        QLabel* label = w->lblD(i);
        EXPECT_EQ(label->text(), QString("D%1").arg(i));
        EXPECT_EQ(label->height(), forms::pixels(210));
        EXPECT_GE(label->width(), forms::pixels(285));
        EXPECT_TRUE(CaptionFit::fits(label)) << i;
        // Each label stands above its own button, clear of its neighbours.
        QRect button = w->cmdD(i)->geometry();
        EXPECT_LT(label->geometry().bottom(), button.top());
        EXPECT_TRUE(label->x() >= button.left() && label->geometry().right() <= button.right()) << i;
    }
    EXPECT_EQ(w->Label1->text(), "OUTH");
    EXPECT_EQ(w->Label1->geometry(), forms::twipsRect(120, 240, 465, 210));
    EXPECT_EQ(w->Label2->text(), "OUTL");
    EXPECT_EQ(w->txtOutH->geometry(), forms::twipsRect(60, 540, 735, 315));
    EXPECT_EQ(w->txtOutL->geometry(), forms::twipsRect(60, 1440, 735, 315));
    EXPECT_EQ(w->cmdOut->text(), "Out");
    EXPECT_EQ(w->cmdOut->geometry(), forms::twipsRect(1800, 2040, 855, 435));
    EXPECT_EQ(w->cmdReset->text(), "Reset");
    EXPECT_EQ(w->cmdReset->geometry(), forms::twipsRect(3120, 2040, 855, 435));

    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->cmdOut);
    QTest::keyClick(w, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdReset);
}
