#pragma once

#include "Program.h"

#include <string_view>
#include <vector>

// The seven programs, in the order the suite lists them.
const std::vector<Program>& programs();
// The program of that name; throws std::out_of_range for a name that is not one of them.
const Program& program(std::string_view name);
// The program whose window is of class Window.
const Program& programOf(const std::type_info& windowClass);
template <class Window>
const Program& programOf()
{
    return programOf(typeid(Window));
}
