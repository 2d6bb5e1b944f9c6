#pragma once

#include "Board.h"
#include "BoardWindow.h"
#include "DecodedBus.h"
#include "LineRecorder.h"
#include "PartVisitor.h"
#include "Programs.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A program's window on its own virtual board, built as the program's table entry builds it,
// with the bus decoded from the port side (`decoded`, after the program's parts) and every
// access of the component traced into `recorder`. The window is made at once and loaded by
// load(), so that parts added meanwhile see the start-up. Every port number opens the board
// unless `open` is replaced. With the board window, its monitor's clock stands still at `now`
// until moved.
template <class Window>
class ProgramOnBoard {
public:
    using Opener = std::function<std::unique_ptr<SerialLines>(int port, const LineSettings&)>;

    explicit ProgramOnBoard(bool withBoardWindow = false)
    {
        if (withBoardWindow)
            boardWindow = std::make_unique<BoardWindow>(board, epoch, [this] { return now; });
        window = std::make_unique<Window>(MSComm::Setup{[this](int port, const LineSettings& s) {
                                                            openedPorts.push_back(port);
                                                            openedWith = s;
                                                            return open(port, s);
                                                        },
                                                        recorder.trace()});
    }
    virtual ~ProgramOnBoard() = default;
    ProgramOnBoard(const ProgramOnBoard&) = delete;
    ProgramOnBoard& operator=(const ProgramOnBoard&) = delete;

    // Form_Load, then both windows shown; `startup` keeps what Form_Load traced.
    void load()
    {
        window->Form_Load();
        window->show();
        if (boardWindow)
            boardWindow->show();
        startup = recorder.lines();
        recorder.clear();
    }

    // The board's `n`th part (or chip on its bus) of that class.
    template <class Part>
    Part& part(int n = 0)
    {
        struct Finder : PartVisitor {
            using PartVisitor::visit;
            void visit(Part& p) override
            {
                if (!found && n-- == 0)
                    found = &p;
            }
            int n;
            Part* found = nullptr;
        } finder;
        finder.n = n;
        board.accept(finder);
        if (finder.found)
            return *finder.found;
        throw std::out_of_range("no such part on the board");
    }

    // The transactions decoded so far.
    const std::vector<std::string>& seen() const { return decoded.transactions(); }

    Board board;

private:
    bool built_ = (programOf<Window>().buildBoard(board), true);

public:
    DecodedBus& decoded = board.add<DecodedBus>(board);
    LineRecorder recorder;
    Opener open = [this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); };
    std::vector<int> openedPorts;
    LineSettings openedWith;
    std::vector<std::string> startup;
    BusMonitor::Clock::time_point epoch{};
    BusMonitor::Clock::time_point now{};
    std::unique_ptr<BoardWindow> boardWindow;
    std::unique_ptr<Window> window;
};
