# iopanel in the menu, the software centre and its manual page.
set(title "I/O expander panel")
set(title_de "Port-Expander-Bedienfeld")
set(generic "I/O panel")
set(generic_de "E/A-Bedienfeld")
set(summary "Read and write the pins of two I/O expander chips")
set(summary_de "Die Pins zweier Port-Expander-Bausteine lesen und schreiben")
set(keywords "I/O;expander;PCF8574;PCF8574A;lamps;LED;pins;I2C;two-wire;RS-232;serial;")
set(keywords_de "E/A;I/O;Port-Expander;Expander;PCF8574;PCF8574A;Lampen;LED;Pins;I2C;Zweidraht;RS-232;seriell;")
set(description [=[
    <p>
      I/O expander panel drives two PCF8574 or PCF8574A eight-bit I/O expanders of an
      electronics training board on a serial (RS-232) port. For each panel you choose the chip
      type, its address pins A0 to A2 and Read or Write: in Read mode eight lamps show the chip's
      pins again and again, in Write mode the buttons D0 to D7 toggle its pins.
    </p>
    <p>
      The serial port is chosen in the window among COM1 to COM4. The chips sit on a two-wire
      (I2C) bus that the program makes out of the port's modem-control lines.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Port-Expander-Bedienfeld steuert zwei Acht-Bit-Port-Expander PCF8574 oder PCF8574A einer
      Elektronik-Übungsplatine an einer seriellen Schnittstelle (RS-232). Für jedes Feld wählen
      Sie den Bausteintyp, seine Adresspins A0 bis A2 und Read oder Write: Im Modus Read zeigen
      acht Lampen immer wieder die Pins des Bausteins, im Modus Write schalten die Tasten D0 bis
      D7 seine Pins um.
    </p>
    <p xml:lang="de">
      Die serielle Schnittstelle wird im Fenster unter COM1 bis COM4 gewählt. Die Bausteine
      sitzen an einem Zweidrahtbus (I2C), den das Programm aus den Modemsteuerleitungen der
      Schnittstelle bildet.
    </p>
]=])
set(page [=[
.B iopanel
drives two PCF8574 or PCF8574A eight-bit I/O expanders of an electronics training board.
Its window, \(lqI2C Bus Multi I/O Control\(rq, has two panels, \(lqPCF8574#1\(rq and
\(lqPCF8574#2\(rq.
In each the user chooses the chip type (PCF8574 or PCF8574A), the levels of its address pins
A0, A1 and A2, and Read or Write; a box shows the chip's bus address byte in hexadecimal.
In Read mode a timer reads the chip's eight pins again and again onto eight lamps, D0 to D7.
In Write mode the buttons D0 to D7 each toggle one pin, and the lamps show the byte written.
.PP
A frame of four option buttons chooses the serial port, COM1 to COM4;
.B Exit
(Alt+X) ends the program.
Each access is a transaction on a two-wire (I2C) bus that the program makes out of the port's
modem-control lines: RTS drives the data line, DTR the clock, and CD senses the data line;
the two panels take turns on it.
]=])
set(board "two PCF8574 expanders, with the address pins A2 A1 A0 at 000 and 001 (nothing answers at the PCF8574A addresses): each one's pins P7 to P0 as LEDs and a switch per pin that holds it low")
# No port is open until the user chooses one.
set(ports [=[
.B iopanel
opens no port when it starts: a port opens when it is chosen in the window, and choosing another
closes the first.
A port that cannot be opened is named in a box, \(lqPlease Select Another Comport\(rq, with the
reason, and the program goes on with no port open.
]=])
set(asking [=[
The COM buttons open what COM1 to COM4 stand for; nothing is asked at start-up, since no port
opens then.]=])
set(choose_ports "COM1 to COM4")
set(startup_failure "")
set(device_failure "If the device fails while the program runs (a USB adapter pulled out), iopanel closes the port,\nsays so on standard error, keeps its lamps, disables all but the COM buttons and Exit, and names the device\nit waits for in its caption. When the same device comes back it is opened again with its lines as they\nwere; choosing a COM button instead ends the wait and opens that port.")
set(plotted "each panel's lamps D7 to D0, 1 when lit, named by the panel, its chip and the address it uses when the plot or recording starts, for instance \\(lq#1 PCF8574 0x40 D7\\(rq.")
