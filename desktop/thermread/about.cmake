# thermread in the menu, the software centre and its manual page.
set(title "Temperature reader")
set(title_de "Temperaturanzeige")
set(generic "Thermometer")
set(generic_de "Thermometer")
set(summary "Read the training board's temperature sensor")
set(summary_de "Den Temperatursensor der Platine auslesen")
set(keywords "temperature;thermometer;sensor;I2C;two-wire;RS-232;serial;")
set(keywords_de "Temperatur;Thermometer;Sensor;Temperatursensor;I2C;Zweidraht;RS-232;seriell;")
set(description [=[
    <p>
      Temperature reader drives the temperature sensor of an electronics training board on a
      serial (RS-232) port. Read Temp reads the temperature and shows it in degrees Celsius to
      half a degree; Start Convert and Stop Convert start and stop the sensor's conversions.
    </p>
    <p>
      Each click is one whole transaction on a two-wire (I2C) bus that the program makes out of
      the port's modem-control lines: RTS drives the data line, DTR the clock, and CD senses the
      data line.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Temperaturanzeige steuert den Temperatursensor einer Elektronik-Übungsplatine an einer
      seriellen Schnittstelle (RS-232). Read Temp liest die Temperatur und zeigt sie in Grad
      Celsius auf ein halbes Grad genau; Start Convert und Stop Convert starten und stoppen die
      Wandlungen des Sensors.
    </p>
    <p xml:lang="de">
      Jeder Klick ist eine ganze Transaktion auf einem Zweidrahtbus (I2C), den das Programm aus
      den Modemsteuerleitungen der Schnittstelle bildet: RTS treibt die Datenleitung, DTR die
      Taktleitung, und CD liest die Datenleitung.
    </p>
]=])
set(page [=[
.B thermread
reads the temperature sensor of an electronics training board.
Its window, \(lqForm1\(rq, has two frames.
\(lqTemperature\(rq holds a text box and the button
.BR "Read Temp" ,
which reads the sensor and shows the temperature in the box in degrees Celsius, to half a degree
(for instance 25.5).
\(lqConvert\(rq holds
.B Start Convert
and
.BR "Stop Convert" ,
which start and stop the sensor's conversions.
]=])
# thermconf's page ends the same way.
set(sensor_bus [=[
.PP
Each click is one whole transaction on a two-wire (I2C) bus that the program makes out of the
port's modem-control lines: RTS drives the data line, DTR the clock, and CD senses the data line.
The sensor answers at the address bytes 90 (write) and 91 (read), hexadecimal.
The program reads the sensor's first byte as a whole number of degrees from 0 to 255, so a
temperature below 0\(deC shows as 256 more than it is (\-1\(deC as 255).
]=])
string(APPEND page "${sensor_bus}")
set(board "the temperature sensor: a slider for its temperature (\\-55 to +125\\(deC in half degrees), whether it is converting, and its configuration register")
# What its plot and recording follow; thermconf's too.
set(plotted [=[
the temperature, \(lqTemperature\(rq, in \(deC.
\(lqRead every\(rq in the plot window clicks
.B "Read Temp"
at regular times, every 0.5 to 60\~s (1\~s at first); it is off until checked and stops when the
plot window closes.]=])
