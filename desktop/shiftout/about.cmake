# shiftout in the menu, the software centre and its manual page.
set(title "Sixteen-bit shift register output")
set(title_de "16-Bit-Schieberegister-Ausgabe")
set(generic "Output panel")
set(generic_de "Ausgabefeld")
set(summary "Set sixteen outputs of the board's shift register")
set(summary_de "Sechzehn Ausgänge des Schieberegisters der Platine setzen")
set(keywords "shift register;outputs;switches;bits;hexadecimal;DTR;RTS;TXD;RS-232;serial;")
set(keywords_de "Schieberegister;Ausgänge;Schalter;Bits;hexadezimal;DTR;RTS;TXD;RS-232;seriell;")
set(description [=[
    <p>
      Sixteen-bit shift register output keeps a sixteen-bit word on the shift register of an
      electronics training board on a serial (RS-232) port. Sixteen ON/OFF buttons, D15 to D0,
      set the word, which is also shown as two hexadecimal bytes; the bytes can be typed and sent
      with Out, and Reset sends an all-zero word.
    </p>
    <p>
      Every change goes to the board at once, clocked out over three of the port's lines: the
      break state of TXD carries the data, DTR is the shift clock and RTS the latch.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      16-Bit-Schieberegister-Ausgabe hält ein 16-Bit-Wort im Schieberegister einer
      Elektronik-Übungsplatine an einer seriellen Schnittstelle (RS-232). Sechzehn ON/OFF-Tasten,
      D15 bis D0, setzen das Wort, das auch als zwei hexadezimale Bytes angezeigt wird; die Bytes
      können eingegeben und mit Out gesendet werden, und Reset sendet ein Wort aus lauter Nullen.
    </p>
    <p xml:lang="de">
      Jede Änderung geht sofort an die Platine, über drei Leitungen der Schnittstelle
      hinausgetaktet: Der Break-Zustand von TXD trägt die Daten, DTR ist der Schiebetakt und RTS
      der Latch.
    </p>
]=])
set(page [=[
.B shiftout
keeps a sixteen-bit word on the shift register of an electronics training board.
Its window, \(lqShift Register 16 bit\(rq, shows the word as sixteen ON/OFF buttons, D15 to D0,
and as two bytes in hexadecimal, OUTH (D15 to D8) and OUTL (D7 to D0).
Each click of a button toggles its bit and sends the word at once.
The bytes can also be typed in hexadecimal and sent with
.BR Out :
both boxes are checked first (one or more hexadecimal digits in either case, from 0 to FF), and a
box that does not hold a byte is named in a message and nothing is sent, so the board never sees
half a word.
.B Reset
sends the word 0000; the buttons keep their word, which the next click sends again.
When the program starts it sends 0000, the word its buttons show.
.PP
The word goes out on three of the port's outputs and none of its data stream, OUTH first, then
OUTL, then one latch pulse: the break state of TXD carries each bit, DTR is the shift clock and
RTS the latch clock.
]=])
set(board "the shift register: its latched outputs D15 to D0 as LEDs and the word in hexadecimal")
set(plotted "the outputs D15 to D0 as the buttons show them, 1 when on, and the word they make, \\(lqWord\\(rq, in hexadecimal.")
