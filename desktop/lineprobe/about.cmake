# lineprobe in the menu, the software centre and its manual page.
set(title "Status line monitor")
set(title_de "Statusleitungs-Monitor")
set(generic "Line monitor")
set(generic_de "Leitungsmonitor")
set(summary "Show a serial port's status inputs as three lamps")
set(summary_de "Die Statuseingänge einer seriellen Schnittstelle als drei Lampen anzeigen")
set(keywords "status lines;CD;DCD;DSR;CTS;modem;lamps;inputs;RS-232;serial;")
set(keywords_de "Statusleitungen;Statuseingänge;CD;DCD;DSR;CTS;Modem;Lampen;Eingänge;RS-232;seriell;")
set(description [=[
    <p>
      Status line monitor shows the three modem-status inputs of a serial (RS-232) port, CD, DSR
      and CTS, as three lamps, ten times a second: bright red while a line is asserted, dark red
      while it is not. It drives no output line, so it is a safe probe for what an electronics
      training board puts on the port.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Statusleitungs-Monitor zeigt die drei Modem-Statuseingänge einer seriellen Schnittstelle
      (RS-232), CD, DSR und CTS, zehnmal in der Sekunde als drei Lampen an: hellrot, solange eine
      Leitung aktiv ist, dunkelrot, solange sie nicht aktiv ist. Es treibt keine Ausgangsleitung
      und ist daher eine sichere Sonde für das, was eine Elektronik-Übungsplatine an die
      Schnittstelle legt.
    </p>
]=])
set(page [=[
.B lineprobe
shows the serial port's three modem-status inputs as three lamps, read every 100\~ms.
Its window, \(lq Basic Input\(rq, has them in a column: CD (labelled DCD) on top, DSR in the
middle, CTS at the bottom.
A lamp is bright red while its line is asserted and dark red while it is not.
The program drives no output line and sends nothing.
]=])
set(board "the three status inputs CTS, CD and DSR as switches")
set(ports [=[
.B lineprobe
opens COM1 when it starts and keeps it until its window closes.
If another program holds the port, a box says \(lqPort Is Use By Another Program\(rq (standard error
names the holder's PID) and the window opens with the port closed: its lamps stay dark red.
]=])
set(startup_failure "COM1 cannot be opened when the program starts, for any reason but another program holding it: permission denied, not a serial port with modem-control lines, or a device named with an option that is not there.\n")
set(plotted "the three lamps CD, DSR and CTS, 1 when lit.")
