// Each program's virtual board, as the program builds it, driven through the serial-port
// component by an arbitrary sequence of accesses: line puts, status reads, bytes, settings
// texts, port numbers, openings and closings, and the two-wire primitives. Every transaction
// seen on the bus must be well formed; the sanitizers catch the rest.
//
// Input: the first byte picks the program; every further byte is one access (low four bits)
// with its argument in the high bits or in the bytes that follow.

#include "Board.h"
#include "DecodedBus.h"
#include "FuzzInput.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "Programs.h"
#include "VirtualPort.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    Board board;
    programs()[in.byte() % programs().size()].buildBoard(board);
    DecodedBus& bus = board.add<DecodedBus>(board);

    MSComm comm(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
    int failures = 0;
    comm.setFailureHandler([&failures](const std::string&) { ++failures; });
    I2CSboard::ComponentScope busScope(comm);
    comm.setPortOpen(true);

    while (!in.done()) {
        std::uint8_t access = in.byte();
        bool level = access & 0x10;
        try {
            switch (access & 0x0F) {
            case 0: comm.setDTREnable(level); break;
            case 1: comm.setRTSEnable(level); break;
            case 2: comm.setBreak(level); break;
            case 3: comm.CDHolding(); break;
            case 4: comm.CTSHolding(); comm.DSRHolding(); break;
            case 5: comm.setOutput(in.text(4)); break;
            case 6: comm.setSettings(in.text(24)); break;
            case 7: comm.setCommPort(in.int16()); break;
            case 8: comm.setPortOpen(!comm.PortOpen()); break;
            case 9: level ? I2CSboard::I2CStart() : I2CSboard::I2CStop(); break;
            case 10: I2CSboard::WriteByte(in.byte()); break;
            case 11: I2CSboard::ReadByte(); break;
            case 12: I2CSboard::GetAck(); break;
            case 13: level ? I2CSboard::SendZero() : I2CSboard::ClockPulse(); break;
            default: I2CSboard::SendOne(); break;
            }
        } catch (const CommError& e) {
            // Refused values and a second opening are errors the component raises by design.
            if (e.kind() != CommError::Kind::InvalidValue && e.kind() != CommError::Kind::AlreadyOpen) {
                std::fprintf(stderr, "unexpected error: %s\n", e.what());
                std::abort();
            }
        }
    }
    if (failures != 0) {
        std::fprintf(stderr, "the virtual port reported a device failure\n");
        std::abort();
    }
    if (!bus.malformed().empty()) {
        std::fprintf(stderr, "malformed transaction: %s\n", bus.malformed().front().c_str());
        std::abort();
    }
    return 0;
}
