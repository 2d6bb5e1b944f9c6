# serialout in the menu, the software centre and its manual page.
set(title "Sixteen-bit serial output")
set(title_de "Serielle 16-Bit-Ausgabe")
set(generic "Output panel")
set(generic_de "Ausgabefeld")
set(summary "Send a sixteen-bit word to the board as two serial bytes")
set(summary_de "Ein 16-Bit-Wort als zwei serielle Bytes an die Platine senden")
set(keywords "serial;bytes;UART;57600;outputs;switches;bits;hexadecimal;RS-232;")
set(keywords_de "seriell;Bytes;UART;57600;Ausgänge;Schalter;Bits;hexadezimal;RS-232;")
set(description [=[
    <p>
      Sixteen-bit serial output has the same panel as the shift register program: sixteen ON/OFF
      buttons, D15 to D0, and the word as two hexadecimal bytes that can be typed and sent with
      Out. It sends each word to an electronics training board on a serial (RS-232) port as two
      bytes at 57600 baud, followed by a latch pulse on RTS.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Serielle 16-Bit-Ausgabe hat dasselbe Feld wie das Schieberegister-Programm: sechzehn
      ON/OFF-Tasten, D15 bis D0, und das Wort als zwei hexadezimale Bytes, die eingegeben und mit
      Out gesendet werden können. Es sendet jedes Wort als zwei Bytes mit 57600 Baud an eine
      Elektronik-Übungsplatine an einer seriellen Schnittstelle (RS-232), gefolgt von einem
      Latch-Impuls auf RTS.
    </p>
]=])
set(page [=[
.B serialout
has the panel of
.BR shiftout (1)
in a window called \(lqKRM5200 Experiment\(rq: the sixteen-bit word as sixteen ON/OFF buttons, D15
to D0, and as two bytes in hexadecimal, OUTH (D15 to D8) and OUTL (D7 to D0).
Each click of a button toggles its bit and sends the word at once;
.B Out
sends the two typed bytes once both have been checked (one or more hexadecimal digits in either
case, from 0 to FF; otherwise a message names the box and nothing is sent), and
.B Reset
sends 0000.
When the program starts it sends 0000, the word its buttons show.
.PP
A word goes out in the port's data stream as two bytes, OUTH then OUTL, at 57600 baud with 8 data
bits, no parity and 1 stop bit; at least 10\~ms after the second byte a pulse on RTS latches it.
The program never drives DTR or the break state.
]=])
set(board "the serial receiver: its latched outputs D15 to D0 as LEDs, the word in hexadecimal, and its count of framing errors")
set(plotted "the outputs D15 to D0 as the buttons show them, 1 when on, and the word they make, \\(lqWord\\(rq, in hexadecimal.")
