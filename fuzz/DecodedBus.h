#pragma once

#include "Board.h"
#include "BoardPart.h"
#include "TransactionDecoder.h"
#include "TransactionGrammar.h"

// Decodes a board's two-wire bus from the port side, as a logic analyser clipped onto the
// cable would: SCL is DTR, SDA is what CD reports (asserted while SDA is low). Added after the
// board's own parts, it sees every change once the bus has settled. Every decoded line is
// checked against the transaction grammar.
class DecodedBus : public BoardPart {
public:
    explicit DecodedBus(const Board& board) : board_(board) {}

    void linesChanged(const PortLines&, const PortLines& now) override { decoder_.busLevels(now.dtr, !board_.cd()); }
    const std::string& pending() const { return decoder_.pending(); }
    long transactions() const { return transactions_; }
    const std::string& last() const { return last_; }

private:
    const Board& board_;
    long transactions_ = 0;
    std::string last_;
    TransactionDecoder decoder_{[this](const std::string& t) {
        checkTransaction(t);
        ++transactions_;
        last_ = t;
    }};
};
