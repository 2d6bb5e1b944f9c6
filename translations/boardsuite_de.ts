<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardCheck</name>
    <message>
        <source>the temperature sensor</source>
        <translation>der Temperatursensor</translation>
    </message>
    <message>
        <source>the PCF8591 converter</source>
        <translation>der Wandler PCF8591</translation>
    </message>
    <message>
        <source>a PCF8574 or PCF8574A expander</source>
        <translation>ein Port-Expander PCF8574 oder PCF8574A</translation>
    </message>
    <message>
        <source>the temperature sensor or the PCF8591</source>
        <translation>der Temperatursensor oder der PCF8591</translation>
    </message>
    <message>
        <source>a %1 (A2 A1 A0 = %2%3%4)</source>
        <extracomment>A chip of this name and the levels of its address pins.</extracomment>
        <translation>ein %1 (A2 A1 A0 = %2%3%4)</translation>
    </message>
    <message>
        <source>Verdict: not ready: %1</source>
        <extracomment>The check&apos;s outcome: the board cannot be used as it is, and why.</extracomment>
        <translation>Ergebnis: nicht bereit: %1</translation>
    </message>
    <message>
        <source>The device failed: %1</source>
        <translation>Das Gerät ist ausgefallen: %1</translation>
    </message>
    <message>
        <source>check that the adapter is still plugged in</source>
        <translation>prüfen Sie, ob der Adapter noch eingesteckt ist</translation>
    </message>
    <message>
        <source>the device does not open; check the COM port&apos;s device (--list-ports)</source>
        <translation>das Gerät lässt sich nicht öffnen; prüfen Sie das Gerät des COM-Ports (--list-ports)</translation>
    </message>
    <message>
        <source>%1 reads nothing back from the board: nothing more to check.</source>
        <translation>%1 liest nichts von der Platine zurück: mehr ist nicht zu prüfen.</translation>
    </message>
    <message>
        <source>Verdict: the device opened.</source>
        <translation>Ergebnis: das Gerät ließ sich öffnen.</translation>
    </message>
    <message>
        <source>the virtual board</source>
        <extracomment>Whose default settle the measured one is compared with: &quot;the default for the virtual board&quot;.</extracomment>
        <translation>die virtuelle Platine</translation>
    </message>
    <message>
        <source>an unknown driver</source>
        <translation>einen unbekannten Treiber</translation>
    </message>
    <message>
        <source>COM%1: the virtual board (no device), status reads live; settle %2 µs (%3)</source>
        <translation>COM%1: die virtuelle Platine (kein Gerät), Status wird live gelesen; Einschwingzeit %2 µs (%3)</translation>
    </message>
    <message>
        <source>COM%1: %2; settle %3 µs (%4)</source>
        <extracomment>The second place holds the device, its adapter and its driver; the last, where the settle comes from.</extracomment>
        <translation>COM%1: %2; Einschwingzeit %3 µs (%4)</translation>
    </message>
    <message>
        <source>asserted</source>
        <extracomment>A status input&apos;s state.</extracomment>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>not asserted</source>
        <translation>nicht aktiv</translation>
    </message>
    <message>
        <source>Status inputs now: CTS %1, CD %2, DSR %3</source>
        <translation>Statuseingänge jetzt: CTS %1, CD %2, DSR %3</translation>
    </message>
    <message>
        <source>Their status lag is not measurable: nothing on this side of the cable drives them.</source>
        <translation>Die Statusverzögerung dieser Eingänge ist nicht messbar: nichts auf dieser Seite des Kabels steuert sie.</translation>
    </message>
    <message>
        <source>cdc_acm reports CTS as always asserted, whatever the board does.</source>
        <translation>cdc_acm meldet CTS immer als aktiv, gleich was die Platine tut.</translation>
    </message>
    <message>
        <source>freed it</source>
        <extracomment>How the recovery clocks and the stop left the data line.</extracomment>
        <translation>haben sie freigegeben</translation>
    </message>
    <message>
        <source>did not free it</source>
        <translation>haben sie nicht freigegeben</translation>
    </message>
    <message>
        <source>Data line: SDA read low while released (a chip stopped mid-byte?); %1 clock and a stop %2.</source>
        <translation>Datenleitung: SDA wurde losgelassen als low gelesen (ein Baustein mitten im Byte stehen geblieben?); %1 Takt und ein Stopp %2.</translation>
    </message>
    <message>
        <source>Data line: SDA read low while released (a chip stopped mid-byte?); %1 clocks and a stop %2.</source>
        <translation>Datenleitung: SDA wurde losgelassen als low gelesen (ein Baustein mitten im Byte stehen geblieben?); %1 Takte und ein Stopp %2.</translation>
    </message>
    <message>
        <source>SDA stays low; check for a chip or a short holding the data line low, and the board&apos;s power</source>
        <translation>SDA bleibt low; prüfen Sie, ob ein Baustein oder ein Kurzschluss die Datenleitung low hält, und die Versorgung der Platine</translation>
    </message>
    <message>
        <source>high</source>
        <extracomment>A line&apos;s logic level, as a status input reads it.</extracomment>
        <translation>high</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>Data line: with SDA pulled low CD says %1, released %2: CD does not follow SDA.</source>
        <translation>Datenleitung: mit SDA auf low gezogen meldet CD %1, losgelassen %2: CD folgt SDA nicht.</translation>
    </message>
    <message>
        <source>check the cable, the board&apos;s power and its level converter</source>
        <translation>prüfen Sie das Kabel, die Versorgung der Platine und ihren Pegelwandler</translation>
    </message>
    <message>
        <source>Data line: released SDA reads high, pulled low reads low: CD follows SDA.</source>
        <translation>Datenleitung: SDA wird losgelassen als high gelesen, auf low gezogen als low: CD folgt SDA.</translation>
    </message>
    <message>
        <source>Status lag: CD stopped following SDA after %1 changes.</source>
        <translation>Statusverzögerung: CD folgte SDA nach %1 Wechseln nicht mehr.</translation>
    </message>
    <message>
        <source>check the cable and the board&apos;s power</source>
        <translation>prüfen Sie das Kabel und die Versorgung der Platine</translation>
    </message>
    <message>
        <source>Status lag (%1 changes): least %2, median %3, most %4.</source>
        <translation>Statusverzögerung (%1 Wechsel): kleinste %2, Median %3, größte %4.</translation>
    </message>
    <message>
        <source>Settle this adapter needs: %1 µs (%2), %3.</source>
        <extracomment>The second place says how the settle follows from the lags; the third compares it with the driver&apos;s.</extracomment>
        <translation>Einschwingzeit, die dieser Adapter braucht: %1 µs (%2), %3.</translation>
    </message>
    <message>
        <source>no read lagged</source>
        <translation>kein Lesen war verzögert</translation>
    </message>
    <message>
        <source>the most, plus half of it and at least %1 µs</source>
        <translation>die größte, plus deren Hälfte und mindestens %1 µs</translation>
    </message>
    <message>
        <source>the same as the default for %1 (%2 µs)</source>
        <extracomment>The settle measured beside the default for a driver (its name), in µs.</extracomment>
        <translation>gleich der Vorgabe für %1 (%2 µs)</translation>
    </message>
    <message>
        <source>longer than the default for %1 (%2 µs)</source>
        <translation>länger als die Vorgabe für %1 (%2 µs)</translation>
    </message>
    <message>
        <source>shorter than the default for %1 (%2 µs)</source>
        <translation>kürzer als die Vorgabe für %1 (%2 µs)</translation>
    </message>
    <message>
        <source>%1; %2 µs applies now (%3)</source>
        <extracomment>The comparison, then the settle that applies now and where it comes from.</extracomment>
        <translation>%1; jetzt gelten %2 µs (%3)</translation>
    </message>
    <message>
        <source>Bus (each address: start, address with the write bit, its acknowledge clock, stop):</source>
        <translation>Bus (je Adresse: Start, Adresse mit dem Schreibbit, ihr Bestätigungstakt, Stopp):</translation>
    </message>
    <message>
        <source>no chip of this suite&apos;s boards</source>
        <translation>kein Baustein der Platinen dieser Programme</translation>
    </message>
    <message>
        <source>No address answered.</source>
        <translation>Keine Adresse hat geantwortet.</translation>
    </message>
    <message>
        <source>20 to 27 or 38 to 3f</source>
        <translation>20 bis 27 oder 38 bis 3f</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A chip and the addresses (hexadecimal) at which it answered.</extracomment>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>Verdict: ready: %1 answered but with the settle that applies (%2 µs) the programs would read too early: keep the measured one (--check --remember).</source>
        <translation>Ergebnis: bereit. Geantwortet: %1; aber mit der geltenden Einschwingzeit (%2 µs) würden die Programme zu früh lesen: lassen Sie die gemessene speichern (--check --remember).</translation>
    </message>
    <message>
        <source>Verdict: ready: %1 answered.</source>
        <translation>Ergebnis: bereit. Geantwortet: %1.</translation>
    </message>
    <message>
        <source>nothing answered; check the board&apos;s power and that the chips sit in their sockets</source>
        <translation>nichts hat geantwortet; prüfen Sie die Versorgung der Platine und ob die Bausteine in ihren Fassungen sitzen</translation>
    </message>
    <message>
        <source>other addresses answered; check the chip type and its address pins</source>
        <translation>andere Adressen haben geantwortet; prüfen Sie den Bausteintyp und seine Adresspins</translation>
    </message>
    <message>
        <source>Verdict: not ready: %1 did not answer; %2.</source>
        <translation>Ergebnis: nicht bereit. Keine Antwort: %1; %2.</translation>
    </message>
    <message>
        <source>Verdict: not ready: %1 answered, %2 did not answer; %3.</source>
        <translation>Ergebnis: nicht bereit. Geantwortet: %1; keine Antwort: %2; %3.</translation>
    </message>
    <message>
        <source>remembered</source>
        <extracomment>Where the settle comes from: the user&apos;s port assignments.</extracomment>
        <translation>gemerkt</translation>
    </message>
    <message>
        <source>the driver&apos;s default</source>
        <extracomment>Where the settle comes from: the default of the adapter&apos;s driver.</extracomment>
        <translation>Vorgabe des Treibers</translation>
    </message>
</context>
<context>
    <name>BoardWindow</name>
    <message>
        <source>Virtual board</source>
        <translation>Virtuelle Platine</translation>
    </message>
    <message>
        <source>Board unplugged</source>
        <translation>Platine abgesteckt</translation>
    </message>
</context>
<context>
    <name>BusMonitor</name>
    <message>
        <source>cannot write the bus log %1: %2</source>
        <translation>kann das Busprotokoll %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>BusRecording</name>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>die Trace-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--vcd: this program drives no bus lines (only the two-wire programs and shiftout do)</source>
        <translation>--vcd: dieses Programm treibt keine Busleitungen (das tun nur die Zweidrahtprogramme und shiftout)</translation>
    </message>
    <message>
        <source>cannot write the dump file %1: %2</source>
        <extracomment>The dump: the Value Change Dump (VCD) of the bus lines.</extracomment>
        <translation>die Dump-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CheckRunner</name>
    <message>
        <source>probing %1 (step %2 of %3)</source>
        <extracomment>The scan of the bus&apos;s addresses as it goes; %1 is the address probed, in hexadecimal.</extracomment>
        <translation>Adresse %1 wird geprüft (Schritt %2 von %3)</translation>
    </message>
    <message>
        <source>Remembered: settle %1 µs for COM%2 in %3</source>
        <extracomment>Settle (a noun): the wait between setting a line and reading a status input.</extracomment>
        <translation>Gemerkt: Einschwingzeit %1 µs für COM%2 in %3</translation>
    </message>
    <message>
        <source>the virtual board needs no settle; nothing remembered</source>
        <translation>die virtuelle Platine braucht keine Einschwingzeit; nichts gemerkt</translation>
    </message>
    <message>
        <source>no settle measured; nothing remembered</source>
        <translation>keine Einschwingzeit gemessen; nichts gemerkt</translation>
    </message>
    <message>
        <source>To keep the settle measured for COM%1: %2 --check=COM%1 --remember</source>
        <translation>Um die für COM%1 gemessene Einschwingzeit zu merken: %2 --check=COM%1 --remember</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>&amp;Remember this settle</source>
        <translation>Diese Einschwingzeit &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Copy report</source>
        <translation>Bericht &amp;kopieren</translation>
    </message>
    <message>
        <source>%1: check the board and adapter (COM%2)</source>
        <translation>%1: Platine und Adapter prüfen (COM%2)</translation>
    </message>
    <message>
        <source>Settle %1 µs kept for COM%2.</source>
        <translation>Einschwingzeit %1 µs für COM%2 gemerkt.</translation>
    </message>
</context>
<context>
    <name>ComPorts</name>
    <message>
        <source>%1; COM%2 stands for %3 this time only</source>
        <extracomment>%1 says why the choice could not be kept.</extracomment>
        <translation>%1; COM%2 steht nur dieses Mal für %3</translation>
    </message>
</context>
<context>
    <name>ConverterPanel</name>
    <message>
        <source>PCF8591 converter %1</source>
        <translation>Wandler PCF8591 %1</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>cannot record to %1: %2</source>
        <translation>kann nicht in %1 aufzeichnen: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>recording to %1 stopped: %2</source>
        <translation>Aufzeichnung in %1 abgebrochen: %2</translation>
    </message>
</context>
<context>
    <name>DeviceOpening</name>
    <message>
        <source>COM%1 (%2): no serial port behind this name</source>
        <translation>COM%1 (%2): hinter diesem Namen steht keine serielle Schnittstelle</translation>
    </message>
</context>
<context>
    <name>ExpanderPanel</name>
    <message>
        <source>%1 expander %2</source>
        <extracomment>The panel&apos;s title: the chip&apos;s name (PCF8574 or PCF8574A) and its bus address bytes.</extracomment>
        <translation>Port-Expander %1 %2</translation>
    </message>
    <message>
        <source>Hold P%1 low from outside</source>
        <translation>P%1 von außen auf low halten</translation>
    </message>
    <message>
        <source>pins</source>
        <translation>Pins</translation>
    </message>
    <message>
        <source>low</source>
        <extracomment>Beside the switches that hold a pin low (at a logic level of 0) from outside.</extracomment>
        <translation>low</translation>
    </message>
</context>
<context>
    <name>LatchedOutputsPanel</name>
    <message>
        <source>Word</source>
        <extracomment>The sixteen outputs read together as one number.</extracomment>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Framing errors</source>
        <translation>Rahmenfehler</translation>
    </message>
</context>
<context>
    <name>LostDevice</name>
    <message>
        <source>%1; waiting for %2 to come back</source>
        <extracomment>%1 says what went wrong with the device; %2 is the device, waited for.</extracomment>
        <translation>%1; warte, bis %2 wieder da ist</translation>
    </message>
    <message>
        <source> — COM%1 lost, waiting for %2</source>
        <extracomment>After the window&apos;s caption. &quot;Lost&quot;: the port&apos;s device was disconnected (a pulled cable).</extracomment>
        <translation> — COM%1 getrennt, warte auf %2</translation>
    </message>
    <message>
        <source>COM%1 is back (%2); carrying on</source>
        <translation>COM%1 ist wieder da (%2); es geht weiter</translation>
    </message>
</context>
<context>
    <name>MonitorPane</name>
    <message>
        <source>Bus monitor</source>
        <translation>Busmonitor</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Empties the monitor&apos;s list of lines.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save as VCD…</source>
        <translation>Als VCD speichern…</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>Save as VCD</source>
        <translation>Als VCD speichern</translation>
    </message>
    <message>
        <source>Value Change Dump (*.vcd)</source>
        <translation>Value Change Dump (*.vcd)</translation>
    </message>
</context>
<context>
    <name>PartPanels</name>
    <message>
        <source>Shift register outputs</source>
        <translation>Ausgänge des Schieberegisters</translation>
    </message>
    <message>
        <source>Serial receiver outputs</source>
        <translation>Ausgänge des seriellen Empfängers</translation>
    </message>
</context>
<context>
    <name>PermissionAdvice</name>
    <message>
        <source>join the dialout group: run &quot;sudo adduser %1 dialout&quot; (or ask whoever looks after this computer to), then log out and log in again</source>
        <extracomment>Completes the other advice&apos;s sentences after &quot;To use serial devices,&quot; / &quot;Or&quot; / &quot;:&quot;; %1 is the user.</extracomment>
        <translation>treten Sie der Gruppe dialout bei: führen Sie „sudo adduser %1 dialout“ aus (oder bitten Sie die Person, die diesen Computer betreut, darum), melden Sie sich dann ab und wieder an</translation>
    </message>
    <message>
        <source>To use serial devices, %1; or install the boardsuite package, whose rule lets whoever sits at the computer use the USB serial adapters it knows, from their next plug-in.</source>
        <extracomment>%1 is the advice to join the dialout group.</extracomment>
        <translation>Um serielle Geräte zu nutzen, %1; oder installieren Sie das Paket boardsuite, dessen Regel jedem, der am Computer sitzt, die ihr bekannten USB-Seriell-Adapter ab dem nächsten Einstecken freigibt.</translation>
    </message>
    <message>
        <source>The suite&apos;s rule %1 knows this adapter (USB %2) but has not given it to you: unplug it and plug it in again (the rule applies when an adapter is plugged in), and use it from a session at this computer, not a remote one. Or %3.</source>
        <extracomment>%1 is the rule&apos;s file, %2 the adapter&apos;s USB vendor:product, %3 the advice to join the dialout group.</extracomment>
        <translation>Die Regel %1 der Suite kennt diesen Adapter (USB %2), hat ihn Ihnen aber nicht freigegeben: Ziehen Sie ihn ab und stecken Sie ihn wieder ein (die Regel greift, wenn ein Adapter eingesteckt wird), und nutzen Sie ihn aus einer Sitzung an diesem Computer, nicht aus einer entfernten. Oder %3.</translation>
    </message>
    <message>
        <source>The suite&apos;s rule %1 is installed but does not cover this device (it is no USB adapter): %2.</source>
        <extracomment>%1 is the rule&apos;s file, %2 the advice to join the dialout group.</extracomment>
        <translation>Die Regel %1 der Suite ist installiert, erfasst dieses Gerät aber nicht (es ist kein USB-Adapter): %2.</translation>
    </message>
    <message>
        <source>The suite&apos;s rule %1 is installed but does not cover this device (USB %2 is not one of the adapters it knows): %3.</source>
        <extracomment>%1 is the rule&apos;s file, %2 the adapter&apos;s USB vendor:product, %3 the advice to join the dialout group.</extracomment>
        <translation>Die Regel %1 der Suite ist installiert, erfasst dieses Gerät aber nicht (USB %2 gehört nicht zu den Adaptern, die sie kennt): %3.</translation>
    </message>
</context>
<context>
    <name>PlotPane</name>
    <message>
        <source>port lost</source>
        <extracomment>Over a stretch of time in which the program&apos;s COM port was gone (its adapter unplugged).</extracomment>
        <translation>Port getrennt</translation>
    </message>
    <message>
        <source>seconds since start</source>
        <translation>Sekunden seit dem Start</translation>
    </message>
    <message>
        <source>hex</source>
        <extracomment>The axis of a sixteen-bit word, labelled in hexadecimal.</extracomment>
        <translation>hex</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>%1 — Plot</source>
        <extracomment>The plot window&apos;s title: the program&apos;s window title, then the plot&apos;s name.</extracomment>
        <translation>%1 — Diagramm</translation>
    </message>
    <message>
        <source>10 s</source>
        <extracomment>The spans of time the plot shows; &quot;All&quot; is the whole time since the start.</extracomment>
        <translation>10 s</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>How much of the time to show</source>
        <translation>Wie viel der Zeit gezeigt wird</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Stops the view from following the data.</extracomment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the view; the data keep coming in (Space)</source>
        <translation>Die Ansicht anhalten; die Daten kommen weiter herein (Leertaste)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto-Y</translation>
    </message>
    <message>
        <source>Fit the Y axis to the values in view</source>
        <translation>Die Y-Achse an die sichtbaren Werte anpassen</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the lowest and the highest value of the Y axis&apos;s fixed range.</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Read every</source>
        <extracomment>Followed by an interval in seconds: the window reads the board that often.</extracomment>
        <translation>Lesen alle</translation>
    </message>
    <message>
        <source>Clear markers</source>
        <translation>Marker löschen</translation>
    </message>
    <message>
        <source>Click in the chart to set marker A, then B</source>
        <translation>Klicken Sie in das Diagramm, um Marker A und dann B zu setzen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save data as CSV…</source>
        <translation>Daten als CSV speichern…</translation>
    </message>
    <message>
        <source>Save image as PNG…</source>
        <translation>Bild als PNG speichern…</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Lets the stopped view follow the data again.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>A = %1 · click again for B</source>
        <translation>A = %1 · für B erneut klicken</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save which data?</source>
        <translation>Welche Daten speichern?</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>The visible range (%1 to %2)</source>
        <translation>Den sichtbaren Bereich (%1 bis %2)</translation>
    </message>
    <message>
        <source>Save data as CSV</source>
        <translation>Daten als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save image as PNG</source>
        <translation>Bild als PNG speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Cannot save %1.</source>
        <translation>%1 kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>PortAssignments</name>
    <message>
        <source>%1: cannot be read; ignored</source>
        <translation>%1: kann nicht gelesen werden; ignoriert</translation>
    </message>
    <message>
        <source>%1: not an INI file; ignored</source>
        <translation>%1: keine INI-Datei; ignoriert</translation>
    </message>
    <message>
        <source>%1: [%2] %3 is not one of COM1 to COM4; ignored</source>
        <extracomment>%1 is the file, %2 the group (&quot;ports&quot; or &quot;settle&quot;), %3 the key.</extracomment>
        <translation>%1: [%2] %3 ist keiner von COM1 bis COM4; ignoriert</translation>
    </message>
    <message>
        <source>%1: [%2] %3 = &quot;%4&quot; is %5; ignored</source>
        <extracomment>%1 is the file, %2 the group, %3 the key, %4 its value, %5 what the value is (completing &quot;is&quot;).</extracomment>
        <translation>%1: [%2] %3 = &quot;%4&quot; ist %5; ignoriert</translation>
    </message>
    <message>
        <source>neither a device path nor &apos;virtual&apos;</source>
        <extracomment>Completes &quot;… = value is&quot;; &apos;virtual&apos; is the word a file writes and stays as it is.</extracomment>
        <translation>weder ein Gerätepfad noch &apos;virtual&apos;</translation>
    </message>
    <message>
        <source>not a number of microseconds from 0 to %1</source>
        <extracomment>Completes &quot;… = value is&quot;.</extracomment>
        <translation>keine Anzahl Mikrosekunden von 0 bis %1</translation>
    </message>
    <message>
        <source>option --com%1</source>
        <translation>Option --com%1</translation>
    </message>
    <message>
        <source>user file %1</source>
        <translation>Benutzerdatei %1</translation>
    </message>
    <message>
        <source>system file %1</source>
        <translation>Systemdatei %1</translation>
    </message>
    <message>
        <source>default</source>
        <extracomment>The built-in port, as nothing else said.</extracomment>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>chosen</source>
        <extracomment>Chosen by the user in this run.</extracomment>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>, settle %1 µs (%2)</source>
        <extracomment>Settle (a noun): the wait between setting a line and reading a status input; %2 is the file.</extracomment>
        <translation>, Einschwingzeit %1 µs (%2)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>der Ordner von %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PortChoiceDialog</name>
    <message>
        <source>a device path, or virtual</source>
        <extracomment>&quot;virtual&quot; is the word to type for the virtual board and stays as it is.</extracomment>
        <translation>ein Gerätepfad oder virtual</translation>
    </message>
    <message>
        <source>%1
(now %2)</source>
        <extracomment>%1 is the COM port, %2 the device it stands for now.</extracomment>
        <translation>%1
(jetzt %2)</translation>
    </message>
    <message>
        <source>Use it as %1 from now on</source>
        <translation>Ab jetzt als %1 verwenden</translation>
    </message>
    <message>
        <source>Use them as %1 to %2 from now on</source>
        <translation>Ab jetzt als %1 bis %2 verwenden</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Virtual board (no board needed)</source>
        <translation>Virtuelle Platine (keine Platine nötig)</translation>
    </message>
    <message>
        <source>Another device: type its path below</source>
        <translation>Ein anderes Gerät: geben Sie unten seinen Pfad ein</translation>
    </message>
    <message>
        <source>No serial device was found on this computer. Plug the adapter in and press Refresh, or use the virtual board.</source>
        <translation>Auf diesem Computer wurde kein serielles Gerät gefunden. Stecken Sie den Adapter ein und drücken Sie auf Aktualisieren, oder verwenden Sie die virtuelle Platine.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>What COM1 means: a device, or &apos;virtual&apos; for the virtual board, in place of boardsuite/ports.ini&apos;s assignment (default %1).</source>
        <extracomment>&apos;virtual&apos; and boardsuite/ports.ini stay as they are: the user types them.</extracomment>
        <translation>Was COM1 bedeutet: ein Gerät, oder &apos;virtual&apos; für die virtuelle Platine, anstelle der Zuordnung in boardsuite/ports.ini (Vorgabe %1).</translation>
    </message>
    <message>
        <source>What COM%1 means (default %2).</source>
        <translation>Was COM%1 bedeutet (Vorgabe %2).</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <extracomment>The value of --com1 … --com4 in the help text.</extracomment>
        <translation>GERÄT</translation>
    </message>
    <message>
        <source>--com%1 needs a device or &apos;virtual&apos;
</source>
        <extracomment>&apos;virtual&apos; stays as it is: the user types it.</extracomment>
        <translation>--com%1 braucht ein Gerät oder &apos;virtual&apos;
</translation>
    </message>
    <message>
        <source>--settle needs a number of microseconds from 0 to %1
</source>
        <translation>--settle braucht eine Zahl von Mikrosekunden von 0 bis %1
</translation>
    </message>
    <message>
        <source>--check takes one of COM1 to COM4
</source>
        <translation>--check nimmt einen von COM1 bis COM4
</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of the options that name a file, in the help text and the options&apos; descriptions.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Write one line per access of the serial-port component to FILE (&apos;-&apos; for standard error).</source>
        <translation>Jeden Zugriff der Komponente der seriellen Schnittstelle als eine Zeile in DATEI schreiben (&apos;-&apos; für die Standardfehlerausgabe).</translation>
    </message>
    <message>
        <source>Write every transaction the virtual board sees to FILE, one line each, as it happens (&apos;-&apos; for standard error).</source>
        <translation>Jede Übertragung, die die virtuelle Platine sieht, sofort als eine Zeile in DATEI schreiben (&apos;-&apos; für die Standardfehlerausgabe).</translation>
    </message>
    <message>
        <source>Write every change of the bus lines to FILE as a Value Change Dump, for a logic analyser&apos;s viewer.</source>
        <translation>Jede Änderung der Busleitungen als Value Change Dump in DATEI schreiben, für die Anzeige eines Logikanalysators.</translation>
    </message>
    <message>
        <source>--vcd needs a file
</source>
        <translation>--vcd braucht eine Datei
</translation>
    </message>
    <message>
        <source>MICROSECONDS</source>
        <extracomment>The value of --settle, in its help text and its description.</extracomment>
        <translation>MIKROSEKUNDEN</translation>
    </message>
    <message>
        <source>Wait MICROSECONDS after a line change before reading the status inputs, on every port, in place of the adapter&apos;s default (0: never wait).</source>
        <translation>Nach einer Leitungsänderung MIKROSEKUNDEN warten, bevor die Statuseingänge gelesen werden, an jedem Port, anstelle der Vorgabe des Adapters (0: nie warten).</translation>
    </message>
    <message>
        <source>List the serial devices present, one a line, then what COM1 to COM4 stand for, and exit.</source>
        <translation>Die vorhandenen seriellen Geräte auflisten, eines je Zeile, dann wofür COM1 bis COM4 stehen, und beenden.</translation>
    </message>
    <message>
        <source>COMn</source>
        <extracomment>The value of --check: COM1 to COM4.</extracomment>
        <translation>COMn</translation>
    </message>
    <message>
        <source>Check the board and the adapter behind COM1 (or COMn), print a report and exit: status 0 when what this program drives answered. Needs no display.</source>
        <translation>Die Platine und den Adapter hinter COM1 (oder COMn) prüfen, einen Bericht ausgeben und beenden: Status 0, wenn geantwortet hat, was dieses Programm ansteuert. Braucht keine Anzeige.</translation>
    </message>
    <message>
        <source>The same check, shown in a small window as it runs.</source>
        <translation>Dieselbe Prüfung, während sie läuft in einem kleinen Fenster gezeigt.</translation>
    </message>
    <message>
        <source>With --check: keep the settle measured for that COM port in the user&apos;s port assignments.</source>
        <translation>Mit --check: die für diesen COM-Port gemessene Einschwingzeit in den Port-Zuordnungen des Benutzers speichern.</translation>
    </message>
    <message>
        <source>--remember goes with --check
</source>
        <translation>--remember gehört zu --check
</translation>
    </message>
    <message>
        <source>Ask which device the program&apos;s serial port stands for, remember the choice, then start.</source>
        <translation>Fragen, für welches Gerät die serielle Schnittstelle des Programms steht, die Wahl merken, dann starten.</translation>
    </message>
    <message>
        <source>Open the plot of what the window shows, over time, beside the window.</source>
        <translation>Das Diagramm dessen, was das Fenster zeigt, über die Zeit neben dem Fenster öffnen.</translation>
    </message>
    <message>
        <source>Record what the window shows to FILE as CSV, one row per change, as it happens.</source>
        <translation>Aufzeichnen, was das Fenster zeigt, als CSV in DATEI, sofort eine Zeile je Änderung.</translation>
    </message>
    <message>
        <source>--record needs a file
</source>
        <translation>--record braucht eine Datei
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>unexpected argument: %1
</source>
        <translation>unerwartetes Argument: %1
</translation>
    </message>
    <message>
        <source>%1: drives the training board on a serial port.</source>
        <translation>%1: steuert die Übungsplatine an einer seriellen Schnittstelle.</translation>
    </message>
    <message>
        <source>--bus-log needs a file and a port mapped to &apos;virtual&apos; (e.g. --com1=virtual)
</source>
        <translation>--bus-log braucht eine Datei und einen Port, der für &apos;virtual&apos; steht (z. B. --com1=virtual)
</translation>
    </message>
</context>
<context>
    <name>ProgramRunner</name>
    <message>
        <source>no serial device found</source>
        <translation>kein serielles Gerät gefunden</translation>
    </message>
    <message>
        <source>Which device is COM1, the board&apos;s serial port?</source>
        <translation>Welches Gerät ist COM1, die serielle Schnittstelle der Platine?</translation>
    </message>
    <message>
        <source>Which devices are COM1 to COM4, the serial ports to choose from?</source>
        <translation>Welche Geräte sind COM1 bis COM4, die seriellen Schnittstellen zur Auswahl?</translation>
    </message>
    <message>
        <source>; COM%1 stands for %2 this time only</source>
        <extracomment>Follows the reason why the choice could not be remembered.</extracomment>
        <translation>; COM%1 steht nur dieses Mal für %2</translation>
    </message>
    <message>
        <source>COM%1 stands for %2, which was not found on this computer: there is no such device, or no serial port behind it. Which device is the board&apos;s cable plugged into?</source>
        <translation>COM%1 steht für %2, das auf diesem Computer nicht gefunden wurde: Es gibt kein solches Gerät, oder keine serielle Schnittstelle dahinter. An welchem Gerät steckt das Kabel der Platine?</translation>
    </message>
    <message>
        <source>%1. Choose another device, or Quit.</source>
        <extracomment>%1 is the device&apos;s failure, as the device layer words it (in English).</extracomment>
        <translation>%1. Wählen Sie ein anderes Gerät, oder Beenden.</translation>
    </message>
    <message>
        <source>%1
Choose another device, or Quit.</source>
        <translation>%1
Wählen Sie ein anderes Gerät, oder Beenden.</translation>
    </message>
    <message>
        <source>no device chosen; ended</source>
        <translation>kein Gerät gewählt; beendet</translation>
    </message>
    <message>
        <source>; carrying on without recording</source>
        <translation>; es geht ohne Aufzeichnung weiter</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set); run it under xvfb-run, e.g. xvfb-run -a %1</source>
        <translation>keine Anzeige für das Fenster (DISPLAY ist nicht gesetzt); starten Sie es unter xvfb-run, z. B. xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>SensorPanel</name>
    <message>
        <source>Temperature sensor %1</source>
        <translation>Temperatursensor %1</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Converting</source>
        <extracomment>Beside a lamp lit while the sensor measures the temperature.</extracomment>
        <translation>Misst</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source>Temperature</source>
        <extracomment>A series&apos; name, shown in the plot: the temperature read. A recording&apos;s CSV header keeps the English name.</extracomment>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>A series&apos; name, shown in the plot: the sixteen bits as one number. A recording&apos;s CSV header keeps the English name.</extracomment>
        <translation>Wort</translation>
    </message>
</context>
<context>
    <name>StatusInputsPanel</name>
    <message>
        <source>Status inputs</source>
        <translation>Statuseingänge</translation>
    </message>
</context>
<context>
    <name>VoltMeter</name>
    <message>
        <source>off</source>
        <extracomment>The meter of an analogue output that is switched off.</extracomment>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>WaveformPane</name>
    <message>
        <source>Waveform</source>
        <translation>Signalverlauf</translation>
    </message>
    <message>
        <source>no transaction yet</source>
        <translation>noch keine Übertragung</translation>
    </message>
    <message>
        <source>Whole transaction</source>
        <extracomment>Zooms the waveform out to show the whole of the selected bus transaction.</extracomment>
        <translation>Ganze Übertragung</translation>
    </message>
    <message>
        <source>Key F; the wheel zooms, Shift and the wheel scroll</source>
        <translation>Taste F; das Mausrad zoomt, Umschalt und Mausrad verschieben</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>bits</source>
        <extracomment>The row of the bits each clock carried.</extracomment>
        <translation>Bits</translation>
    </message>
    <message>
        <source>items</source>
        <extracomment>The row of the transaction&apos;s parts: start, address, acknowledge, data byte, stop.</extracomment>
        <translation>Elemente</translation>
    </message>
</context>
<context>
    <name>WindowPlot</name>
    <message>
        <source>Plot…</source>
        <extracomment>A context menu entry: opens the plot of the window&apos;s values over time.</extracomment>
        <translation>Diagramm…</translation>
    </message>
    <message>
        <source>Record to file…</source>
        <translation>In Datei aufzeichnen…</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Record to file</source>
        <extracomment>The title of the file dialog that asks where to record.</extracomment>
        <translation>In Datei aufzeichnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
</TS>
