#pragma once

#include "Board.h"
#include "BoardPanel.h"
#include "BoardWindow.h"
#include "MonitorPane.h"
#include "Programs.h"
#include "VirtualPort.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A program's window on its own virtual board (as its main builds it), with the board's window
// beside it. The monitor's clock stands still at `now` until a test moves it.
template <class Window>
class ProgramWithBoard : public ::testing::Test {
protected:
    ProgramWithBoard()
    {
        programOf<Window>().buildBoard(board);
        boardWindow = std::make_unique<BoardWindow>(board, epoch, [this] { return now; });
        window = std::make_unique<Window>(
            MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
        window->Form_Load();
        window->show();
        boardWindow->show();
    }

    // The board window's `n`th panel of that kind.
    template <class Panel>
    Panel* panel(int n = 0)
    {
        for (BoardPanel* p : boardWindow->panels())
            if (auto* found = dynamic_cast<Panel*>(p); found && n-- == 0)
                return found;
        ADD_FAILURE() << "no such panel";
        return nullptr;
    }

    // The monitor pane's lines after a refresh, without their times.
    std::vector<std::string> monitored()
    {
        boardWindow->refresh();
        std::vector<std::string> out;
        const QString text = boardWindow->monitorPane->lines->toPlainText();
        for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
            out.push_back(line.section(u' ', 1).toStdString());
        return out;
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    Board board;
    BusMonitor::Clock::time_point epoch{};
    BusMonitor::Clock::time_point now{};
    std::unique_ptr<BoardWindow> boardWindow;
    std::unique_ptr<Window> window;
};
