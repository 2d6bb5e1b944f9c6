#include "PartListener.h"

// Out of line on purpose: where the compiler sees these empty bodies it guards every call in
// the bus's listener loop with a test for them, on the hot path of a monitored bus.
void PartListener::busLevels(bool, bool) {}
void PartListener::shiftInputs(bool, bool, bool) {}
void PartListener::latched(std::uint16_t) {}
void PartListener::received(std::uint8_t, bool) {}
