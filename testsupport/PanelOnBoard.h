#pragma once

#include "Board.h"
#include "LatchedShiftRegister.h"
#include "LineRecorder.h"
#include "ModalBox.h"
#include "SerialReceiver.h"
#include "ShiftOutWindow.h"
#include "VirtualPort.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

// Notes the word a latch holds after every rising edge of RTS (added after the latch, it
// sees the latch already updated).
class LatchWatcher : public BoardPart {
public:
    explicit LatchWatcher(std::function<std::uint16_t()> word) : word_(std::move(word)) {}
    void linesChanged(const PortLines& before, const PortLines& now) override
    {
        if (!before.rts && now.rts)
            words.push_back(word_());
    }
    std::vector<std::uint16_t> words;

private:
    std::function<std::uint16_t()> word_;
};

// An output panel window on a board that carries both a shift register on the control lines
// and a serial receiver; the latched words of the program's own part are watched, and every
// access is traced. `startup` holds the accesses of Form_Load.
template <class Window>
class PanelOnBoard : public ::testing::Test {
protected:
    static constexpr bool OnControlLines = std::is_same_v<Window, ShiftOutWindow>;

    PanelOnBoard()
    {
        window = std::make_unique<Window>(MSComm::Setup{
            [this](int port, const LineSettings& s) {
                openedPort = port;
                openedWith = s;
                return std::make_unique<VirtualPort>(board, s);
            },
            recorder.trace()});
        window->Form_Load();
        window->show();
        startup = recorder.lines();
        recorder.clear();
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickBit(int i) { click(window->cmdD(i)); }

    // The word the panel shows in its boxes.
    std::uint16_t shownWord() const
    {
        return std::uint16_t(window->txtOutH->text().toUInt(nullptr, 16) << 8 | window->txtOutL->text().toUInt(nullptr, 16));
    }
    // The word on the buttons.
    std::uint16_t buttonWord() const
    {
        unsigned w = 0;
        for (int i = 0; i < 16; ++i)
            w |= unsigned(window->cmdD(i)->text() == "ON") << i;
        return std::uint16_t(w);
    }
    std::uint16_t latched() const { return OnControlLines ? shifter.outputs() : receiver.outputs(); }

    Board board;
    LatchedShiftRegister& shifter = board.add<LatchedShiftRegister>();
    SerialReceiver& receiver = board.add<SerialReceiver>();
    LatchWatcher& latches = board.add<LatchWatcher>([this] { return latched(); });
    LineRecorder recorder;
    std::vector<std::string> startup;
    int openedPort = 0;
    LineSettings openedWith;
    std::unique_ptr<Window> window;
};
