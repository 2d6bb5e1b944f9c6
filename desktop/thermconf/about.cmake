# thermconf in the menu, the software centre and its manual page: thermread's board and bus,
# and a window of its own.
include(${CMAKE_CURRENT_LIST_DIR}/../thermread/about.cmake)
set(title "Temperature sensor setup")
set(title_de "Temperatursensor einrichten")
set(generic "Sensor configuration")
set(generic_de "Sensorkonfiguration")
set(summary "Read the temperature sensor and its configuration register")
set(summary_de "Den Temperatursensor und sein Konfigurationsregister auslesen")
set(keywords "temperature;thermometer;sensor;configuration;register;hexadecimal;I2C;two-wire;RS-232;serial;")
set(keywords_de "Temperatur;Thermometer;Sensor;Konfiguration;Register;hexadezimal;I2C;Zweidraht;RS-232;seriell;")
set(description [=[
    <p>
      Temperature sensor setup is the temperature reader with one more panel: it reads the
      temperature sensor of an electronics training board on a serial (RS-232) port, starts and
      stops its conversions, and reads and writes the sensor's configuration register in
      hexadecimal.
    </p>
    <p>
      A typed configuration value is checked before anything goes to the board: one or two
      hexadecimal digits, 0 to FF. The bus is a two-wire (I2C) bus that the program makes out of
      the port's modem-control lines.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Temperatursensor einrichten ist die Temperaturanzeige mit einem weiteren Feld: Es liest den
      Temperatursensor einer Elektronik-Übungsplatine an einer seriellen Schnittstelle (RS-232),
      startet und stoppt seine Wandlungen und liest und schreibt das Konfigurationsregister des
      Sensors hexadezimal.
    </p>
    <p xml:lang="de">
      Ein eingegebener Konfigurationswert wird geprüft, bevor etwas zur Platine geht: eine oder
      zwei Hexadezimalziffern, 0 bis FF. Der Bus ist ein Zweidrahtbus (I2C), den das Programm aus
      den Modemsteuerleitungen der Schnittstelle bildet.
    </p>
]=])
set(page [=[
.B thermconf
is
.BR thermread (1)
with one more frame: it reads the temperature sensor of an electronics training board, starts and
stops its conversions, and reads and writes the sensor's one-byte configuration register.
Its window, \(lqForm1\(rq, has the frames \(lqTemperature\(rq
.RB ( "Read Temp" :
the temperature in degrees Celsius, to half a degree) and \(lqConvert\(rq
.RB ( "Start Convert" ,
.BR "Stop Convert" )
and below them \(lqConfig\(rq:
.B Read Config
shows the register in the text box in hexadecimal (0 to FF, upper-case digits, no leading
zeros), and
.B Write Config
writes the value typed there back to the register.
The typed value must be one or more hexadecimal digits in either case, leading zeros allowed,
from 0 to FF; any other text is named in a message and nothing goes to the board.
The program does not interpret the register's bits.
]=])
string(APPEND page "${sensor_bus}")
