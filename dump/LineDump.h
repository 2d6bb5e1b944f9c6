#pragma once

// Hears every access of the component that reached the port, after it did: what a dump of the
// lines is made from (DumpedLines tells it).
class LineDump {
public:
    virtual ~LineDump() = default;
    virtual void dtrPut(bool asserted) = 0;
    virtual void rtsPut(bool asserted) = 0;
    virtual void breakPut(bool on) = 0;
    virtual void cdRead(bool asserted) = 0;
};
