#pragma once

// Sees the two-wire bus lines after every change (SDA as the chips and the master make it).
class TwoWireListener {
public:
    virtual ~TwoWireListener() = default;
    virtual void busLevels(bool scl, bool sda) = 0;
};
