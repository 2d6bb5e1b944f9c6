#pragma once

#include "Board.h"
#include "BoardPart.h"
#include "TransactionDecoder.h"
#include "TransactionGrammar.h"
#include "TransactionText.h"

#include <string>
#include <vector>

// Decodes a board's two-wire bus from the port side, as a logic analyser clipped onto the
// cable would: SCL is DTR, SDA is what CD reports (asserted while SDA is low). Added after the
// board's own parts, it sees every change once the bus has settled, whatever chips the board
// carries. Every decoded line is checked against the transaction grammar.
class DecodedBus : public BoardPart {
public:
    explicit DecodedBus(const Board& board) : board_(board) {}

    void linesChanged(const PortLines&, const PortLines& now) override { decoder_.busLevels(now.dtr, !board_.cd()); }

    const std::vector<std::string>& transactions() const { return transactions_; }
    // "<what is wrong>: <line>" for every decoded line that is no transaction.
    const std::vector<std::string>& malformed() const { return malformed_; }
    // The transaction under way; empty between transactions.
    std::string pending() const { return transactionText(decoder_.pending()); }
    void clear() { transactions_.clear(); }

private:
    const Board& board_;
    std::vector<std::string> transactions_;
    std::vector<std::string> malformed_;
    TransactionDecoder decoder_{[this](const BusItems& items) {
        transactions_.push_back(transactionText(items));
        if (std::string fault = transactionFault(items); !fault.empty())
            malformed_.push_back(fault + ": " + transactions_.back());
    }};
};
