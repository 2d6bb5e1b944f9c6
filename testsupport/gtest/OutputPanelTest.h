#pragma once

#include "LatchWatcher.h"
#include "LatchedShiftRegister.h"
#include "ProgramTest.h"
#include "SerialReceiver.h"
#include "ShiftOutWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include <type_traits>

// An output panel program on a board that carries both the shift register on the control
// lines and the serial receiver, so that the part the program does not drive is seen to get
// nothing; the words its own part latches are watched.
template <class Window>
class OutputPanelTest : public ProgramTest<Window> {
protected:
    static constexpr bool OnControlLines = std::is_same_v<Window, ShiftOutWindow>;

    void clickBit(int i) { this->click(this->window->cmdD(i)); }

    // The word the panel shows in its boxes.
    std::uint16_t shownWord() const
    {
        return std::uint16_t(this->window->txtOutH->text().toUInt(nullptr, 16) << 8 |
                             this->window->txtOutL->text().toUInt(nullptr, 16));
    }
    // The word on the buttons.
    std::uint16_t buttonWord() const
    {
        unsigned w = 0;
        for (int i = 0; i < 16; ++i)
            w |= unsigned(this->window->cmdD(i)->text() == "ON") << i;
        return std::uint16_t(w);
    }
    std::uint16_t latched() const { return OnControlLines ? shifter.outputs() : receiver.outputs(); }

private:
    bool otherPart_ = OnControlLines ? (this->board.template add<SerialReceiver>(), true)
                                     : (this->board.template add<LatchedShiftRegister>(), true);

protected:
    LatchedShiftRegister& shifter = this->template part<LatchedShiftRegister>();
    SerialReceiver& receiver = this->template part<SerialReceiver>();
    LatchWatcher& latches = this->board.template add<LatchWatcher>([this] { return latched(); });
};
