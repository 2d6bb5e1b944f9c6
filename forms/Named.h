#pragma once

#include <QObject>

namespace forms {

// Gives a control its layout name as its object name, by which tests, accessibility tools and
// automation find it.
template <class Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace forms
