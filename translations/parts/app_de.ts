<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>ComPorts</name>
    <message>
        <source>%1; COM%2 stands for %3 this time only</source>
        <extracomment>%1 says why the choice could not be kept.</extracomment>
        <translation>%1; COM%2 steht nur dieses Mal für %3</translation>
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
