// The two-wire chips of the virtual board on one bus, and the transaction decoder, fed with an
// arbitrary sequence of line puts, samples, primitives and changes on the chips' pins. Checks:
// no chip moves SDA while SCL is high; every decoded transaction is well formed; and whatever
// came before, a bus recovery followed by a proper transaction reaches the chip it names and
// decodes as expected.
//
// Input: one access per byte (low four bits), its argument in the high bits or the next bytes.

#include "Board.h"
#include "DecodedBus.h"
#include "FuzzInput.h"
#include "HexDigits.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "Pcf8574Expander.h"
#include "Pcf8591Converter.h"
#include "SensorTransactions.h"
#include "TemperatureSensor.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace I2CSboard;

namespace {

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "%s\n", why.c_str());
    std::abort();
}

// Watches SDA at every change of the port's lines: a rising SCL must find it as it was.
class SdaSteadyWhileClocked : public BoardPart {
public:
    explicit SdaSteadyWhileClocked(const TwoWireBus& bus) : bus_(bus) {}
    void linesChanged(const PortLines& before, const PortLines& now) override
    {
        if (!before.dtr && now.dtr && bus_.sda() != sda_)
            fail("a chip moved SDA at the rising edge of SCL");
        sda_ = bus_.sda();
    }

private:
    const TwoWireBus& bus_;
    bool sda_ = true;
};

// Brings the bus back to idle from any state, as a master does after a reset: SCL low, then
// clock until no chip holds SDA low, then a stop.
void recoverBus()
{
    SCLLow();
    for (int pulse = 0; pulse < 40; ++pulse) {
        if (ReadSDA()) {
            SDALow();
            SCLHigh();
            SDAHigh();
            return;
        }
        ClockPulse();
    }
    fail("a chip holds SDA low for 40 clocks");
}

void expectDecoded(const DecodedBus& decoded, std::size_t before, const std::string& expected)
{
    const auto& seen = decoded.transactions();
    if (seen.size() != before + 1 || seen.back() != expected)
        fail("decoded \"" + (seen.empty() ? std::string() : seen.back()) + "\" where \"" + expected + "\" went out");
}

void write(std::uint8_t address, std::initializer_list<std::uint8_t> bytes)
{
    I2CStart();
    WriteByte(address);
    GetAck();
    for (std::uint8_t b : bytes) {
        WriteByte(b);
        GetAck();
    }
    I2CStop();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    Board board;
    auto& bus = board.add<TwoWireBus>();
    auto& sensor = bus.add<TemperatureSensor>(0x48);
    auto& converter = bus.add<Pcf8591Converter>(0x49);
    auto& expander = bus.add<Pcf8574Expander>(Pcf8574Expander::Pcf8574Address7);
    auto& expanderA = bus.add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574AAddress7 + 7));
    board.add<SdaSteadyWhileClocked>(bus);
    DecodedBus& decoded = board.add<DecodedBus>(board);

    MSComm comm(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
    ComponentScope busScope(comm);
    comm.setPortOpen(true);

    while (!in.done()) {
        std::uint8_t access = in.byte();
        bool level = access & 0x10;
        switch (access & 0x0F) {
        case 0: comm.setDTREnable(level); break;
        case 1: comm.setRTSEnable(level); break;
        case 2: comm.CDHolding(); break;
        case 3: level ? I2CStart() : I2CStop(); break;
        case 4: WriteByte(in.byte()); break;
        case 5: ReadByte(); break;
        case 6: GetAck(); break;
        case 7: level ? SendZero() : ClockPulse(); break;
        case 8: SendOne(); break;
        case 9: expander.setExternalLow(in.byte()); break;
        case 10: sensor.setHalfDegrees(in.int16()); break;
        case 11: converter.setInput(in.byte() & 3, in.byte()); break;
        case 12: {
            // A write, then a read, of the expander: the read gives the pins as written.
            std::uint8_t value = in.byte();
            recoverBus();
            std::size_t before = decoded.transactions().size();
            write(0x40, {value});
            expectDecoded(decoded, before, "S 40 W A " + hexDigits(value, 2) + " A P");
            if (expander.latch() != value)
                fail("the expander did not take " + hexDigits(value, 2));
            I2CStart();
            WriteByte(0x41);
            GetAck();
            std::uint8_t read = ReadByte();
            GetAck();
            I2CStop();
            std::uint8_t pins = std::uint8_t(value & ~expander.externalLow());
            expectDecoded(decoded, before + 1, "S 41 R A " + hexDigits(pins, 2) + " N P");
            if (read != pins)
                fail("the expander read back " + hexDigits(read, 2) + " for pins " + hexDigits(pins, 2));
            break;
        }
        case 13: {
            // The sensor's configuration register, written and read back after a repeated start.
            std::uint8_t value = in.byte();
            recoverBus();
            std::size_t before = decoded.transactions().size();
            write(0x90, {0xAC, value});
            std::uint8_t read = sensorBus::readConfig();
            expectDecoded(decoded, before + 1, "S 90 W A AC A Sr 91 R A " + hexDigits(value, 2) + " N P");
            if (read != value || sensor.config() != value)
                fail("the configuration register read back " + hexDigits(read, 2) + " for " + hexDigits(value, 2));
            break;
        }
        case 14: {
            // The converter's analogue output; the A-type expander at its highest address.
            std::uint8_t value = in.byte();
            recoverBus();
            std::size_t before = decoded.transactions().size();
            write(0x92, {0x44, value});
            expectDecoded(decoded, before, "S 92 W A 44 A " + hexDigits(value, 2) + " A P");
            if (converter.output() != value || converter.control() != 0x44)
                fail("the converter did not take its output byte");
            write(0x7E, {value});
            if (expanderA.latch() != value)
                fail("the PCF8574A did not take " + hexDigits(value, 2));
            break;
        }
        default: {
            // Nothing answers at an empty address: the byte is not acknowledged.
            recoverBus();
            std::size_t before = decoded.transactions().size();
            write(0x5A, {0x00});
            expectDecoded(decoded, before, "S 5A W N 00 N P");
            break;
        }
        }
    }
    if (!decoded.malformed().empty())
        fail("malformed transaction: " + decoded.malformed().front());
    return 0;
}
