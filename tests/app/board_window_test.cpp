// The board window beside each program started on the virtual board, none without a virtual
// port, and closing the program's window ends the program. The whole runner (its own
// application object) in this process.
#include "AdcPanelWindow.h"
#include "BoardWindow.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "Programs.h"
#include "RunProgram.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"
#include "ThermReadWindow.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using RunProgram::runWith;
using RunProgram::Then;

std::vector<BoardWindow*> shownBoardWindows()
{
    std::vector<BoardWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* board = dynamic_cast<BoardWindow*>(w); board && board->isVisible())
            out.push_back(board);
    return out;
}

template <class Window>
void expectBoardWindowBeside(const char* name, int panels)
{
    SCOPED_TRACE(name);
    int shown = -1, panelCount = -1;
    bool apart = false;
    int status = runWith<Window>(program(name), {"--com1=virtual"}, [&](Window& w) {
        auto boards = shownBoardWindows();
        shown = int(boards.size());
        if (boards.size() == 1) {
            panelCount = int(boards[0]->panels().size());
            apart = !boards[0]->frameGeometry().intersects(w.frameGeometry());
            EXPECT_EQ(boards[0]->windowTitle(), "Virtual board");
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(panelCount, panels);
    EXPECT_TRUE(apart) << "the board window covers the program's";
}

TEST(BoardWindowAtStartUp, EveryProgramOnTheVirtualBoardShowsItBeside)
{
    expectBoardWindowBeside<ThermReadWindow>("thermread", 1);
    expectBoardWindowBeside<ThermConfWindow>("thermconf", 1);
    expectBoardWindowBeside<AdcPanelWindow>("adcpanel", 1);
    expectBoardWindowBeside<IoPanelWindow>("iopanel", 2);
    expectBoardWindowBeside<ShiftOutWindow>("shiftout", 1);
    expectBoardWindowBeside<SerialOutWindow>("serialout", 1);
    expectBoardWindowBeside<LineProbeWindow>("lineprobe", 1);
}

TEST(BoardWindowAtStartUp, NoneWithoutAVirtualPort)
{
    // iopanel opens no port until one is chosen, so its default devices are never touched.
    int shown = -1;
    int status = runWith<IoPanelWindow>(program("iopanel"), {},
                                        [&](IoPanelWindow&) { shown = int(shownBoardWindows().size()); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, 0);
}

TEST(BoardWindowAtStartUp, ClosingTheProgramsWindowEndsTheProgram)
{
    bool boardShown = false;
    int status = runWith<ThermReadWindow>(program("thermread"), {"--com1=virtual"},
                                          [&boardShown](ThermReadWindow& w) {
                                              boardShown = shownBoardWindows().size() == 1;
                                              w.close();
                                          },
                                          Then::Wait);
    EXPECT_TRUE(boardShown);
    EXPECT_EQ(status, 0) << "the board window kept the program running";
}

} // namespace
