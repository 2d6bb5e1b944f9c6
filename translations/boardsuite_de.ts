<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
