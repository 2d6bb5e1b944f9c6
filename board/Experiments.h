#pragma once

class Board;

// The experiments of the training board, one per program, each put on an empty virtual board.
namespace experiments {

// The temperature sensor on the two-wire bus (thermread, thermconf).
void sensorBoard(Board& board);
// The PCF8591 converter on the two-wire bus (adcpanel).
void converterBoard(Board& board);
// Two PCF8574 expanders, address pins 000 and 001 (iopanel).
void expanderBoard(Board& board);
// The sixteen-bit shift register on TXD, DTR and RTS (shiftout).
void shiftRegisterBoard(Board& board);
// The serial receiver latching two bytes on RTS (serialout).
void serialReceiverBoard(Board& board);
// Switches on the status inputs CTS, CD and DSR (lineprobe).
void statusInputsBoard(Board& board);

} // namespace experiments
