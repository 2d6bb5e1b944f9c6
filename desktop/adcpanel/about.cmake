# adcpanel in the menu, the software centre and its manual page.
set(title "Voltmeter and analogue output")
set(title_de "Voltmeter und Analogausgang")
set(generic "Voltmeter")
set(generic_de "Voltmeter")
set(summary "Show four input voltages and set an analogue output")
set(summary_de "Vier Eingangsspannungen anzeigen und einen Analogausgang setzen")
set(keywords "voltmeter;voltage;ADC;DAC;converter;analogue;analog;PCF8591;I2C;two-wire;RS-232;serial;")
set(keywords_de "Voltmeter;Spannung;ADC;DAC;Wandler;A/D-Wandler;D/A-Wandler;analog;PCF8591;I2C;Zweidraht;RS-232;seriell;")
set(description [=[
    <p>
      Voltmeter and analogue output drives the PCF8591 converter of an electronics training
      board on a serial (RS-232) port. Every 200 ms it shows the converter's four inputs as
      volts, 0 to 5 V; whatever number is typed into the fifth box goes to the analogue output as
      that many volts, values outside 0 to 5 V clipped.
    </p>
    <p>
      The converter sits on a two-wire (I2C) bus that the program makes out of the port's
      modem-control lines.
    </p>
]=])
set(description_de [=[
    <p xml:lang="de">
      Voltmeter und Analogausgang steuert den Wandler PCF8591 einer Elektronik-Übungsplatine an
      einer seriellen Schnittstelle (RS-232). Alle 200 ms zeigt es die vier Eingänge des Wandlers
      in Volt an, 0 bis 5 V; eine Zahl, die in das fünfte Feld eingegeben wird, geht als ebenso
      viele Volt an den Analogausgang, Werte außerhalb von 0 bis 5 V werden begrenzt.
    </p>
    <p xml:lang="de">
      Der Wandler sitzt an einem Zweidrahtbus (I2C), den das Programm aus den
      Modemsteuerleitungen der Schnittstelle bildet.
    </p>
]=])
set(page [=[
.B adcpanel
drives the PCF8591 converter of an electronics training board: four analogue inputs and one
analogue output, eight bits each, 5\~V full scale.
Its window, \(lqI2C BUS ADC Control\(rq, shows the four inputs as volts in the boxes CH-1 to CH-4,
read again every 200\~ms (up to 15 digits, for instance 2.50980392156863).
Every change of the fifth box sends the number typed there to the analogue output as volts;
a value outside 0 to 5 is clipped, and the box then shows the clipped value.
.PP
Each reading and each output is a transaction on a two-wire (I2C) bus that the program makes out
of the port's modem-control lines: RTS drives the data line, DTR the clock, and CD senses the
data line.
The converter answers at the address bytes 90 (write) and 91 (read), hexadecimal.
]=])
set(board "the PCF8591 converter: a slider for each of its four inputs (0 to 5\\~V) and its analogue output on a meter")
set(plotted "the four inputs, \\(lqAIN0\\(rq to \\(lqAIN3\\(rq, and the output as its box asks for it, \\(lqAOUT\\(rq, in volts.")
