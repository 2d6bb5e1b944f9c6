#pragma once

#include "CommError.h"
#include "SerialLines.h"

#include <functional>
#include <vector>

// A port whose CD answers from a script (one value per sample, then false), and which can be
// told to fail like an unplugged adapter.
class ScriptedLines : public SerialLines {
public:
    std::vector<bool> cdScript;
    std::size_t samples = 0;
    int callsUntilFailure = -1;  // <0: never fails
    bool dtr = true, rts = true, brk = false;
    std::vector<std::uint8_t> written;

    void setDtr(bool v) override { step(); dtr = v; }
    void setRts(bool v) override { step(); rts = v; }
    void setBreak(bool v) override { step(); brk = v; }
    bool cd() override
    {
        step();
        std::size_t i = samples++;
        return i < cdScript.size() && cdScript[i];
    }
    bool cts() override { step(); return false; }
    bool dsr() override { step(); return false; }
    void write(std::uint8_t b) override { step(); written.push_back(b); }

private:
    void step()
    {
        if (callsUntilFailure == 0)
            throw CommError(CommError::Kind::DeviceFailed, "COM1 (/dev/board-adapter): the device stopped answering");
        if (callsUntilFailure > 0)
            --callsUntilFailure;
    }
};
