#pragma once

#include "BoardPanel.h"
#include "MonitorPane.h"
#include "ProgramTest.h"
#include "WaveformPane.h"
#include "WaveformView.h"

#include <QPlainTextEdit>

#include <string>
#include <vector>

// A program on its board with the board's window beside it.
template <class Window>
class ProgramWithBoard : public ProgramTest<Window> {
protected:
    ProgramWithBoard() : ProgramTest<Window>(true) {}

    // The board window's `n`th panel of that kind.
    template <class Panel>
    Panel* panel(int n = 0)
    {
        for (BoardPanel* p : this->boardWindow->panels())
            if (auto* found = dynamic_cast<Panel*>(p); found && n-- == 0)
                return found;
        ADD_FAILURE() << "no such panel";
        return nullptr;
    }

    // The monitor pane's lines after a refresh, without their times.
    std::vector<std::string> monitored()
    {
        this->boardWindow->refresh();
        std::vector<std::string> out;
        const QString text = this->boardWindow->monitorPane->lines->toPlainText();
        for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
            out.push_back(line.section(u' ', 1).toStdString());
        return out;
    }

    // The items of each monitor line's waveform, every line selected in turn.
    std::vector<std::string> waveformOfEveryLine()
    {
        this->boardWindow->refresh();
        std::vector<std::string> out;
        const int count = this->boardWindow->monitorPane->lines->blockCount();
        for (int i = 0; i < count; ++i) {
            this->boardWindow->monitorPane->select(i);
            out.push_back(this->boardWindow->waveformPane->view->waveform().itemsText());
        }
        return out;
    }
};
