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
        <translation>Ergebnis: bereit. Geantwortet: %1; aber mit der geltenden Einschwingzeit (%2 µs) würden die Programme zu früh lesen: merken Sie sich die gemessene (--check --remember).</translation>
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
</TS>
