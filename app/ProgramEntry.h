#pragma once

#include "Program.h"

#include <memory>

class Board;

// What desktops know the program of that name by: the suite's prefix, then the name.
QString desktopIdOf(const char* name);

// A program's entry in the suite, for the program's window class: each program's binary makes
// its own (so that it links its own window alone), and the table of the seven (Programs.h)
// lists the same entries for the tests, tools and benchmarks.
// `readings` tells what its window shows for the plot and the recording.
template <class Window>
Program programEntry(const char* name, void (*buildBoard)(Board&), Readings (*readings)(Window&), bool choosesPort = false)
{
    return Program{QString::fromLatin1(name), desktopIdOf(name),
                   [](MSComm::Setup setup) -> std::unique_ptr<FormWindow> { return std::make_unique<Window>(std::move(setup)); },
                   buildBoard, &typeid(Window), choosesPort,
                   [readings](FormWindow& window) { return readings(static_cast<Window&>(window)); }};
}
