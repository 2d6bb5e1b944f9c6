// No test of this executable reads or writes anyone's real port assignments: the configuration
// folders are the executable's own from the start. A test that writes files of its own makes an
// IsolatedConfig inside this one, which puts these back when it ends.
#include "IsolatedConfig.h"

namespace {

const IsolatedConfig noOnesAssignments;

} // namespace
