#pragma once

#include <QString>

// One line on standard error, after the program's name: "thermread: no display …".
void say(const QString& programName, const QString& line);
