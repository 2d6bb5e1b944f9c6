#include "Say.h"

#include <cstdio>

void say(const QString& programName, const QString& line)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(programName), qPrintable(line));
}
