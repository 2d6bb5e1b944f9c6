#pragma once

#include <QWidget>

#include <cstddef>
#include <vector>

// Where Tab moves the focus in a window: along the focus chain, to the next widget that takes
// the focus by Tab.
class TabOrder {
public:
    enum class Stops {
        Reachable,  // visible and enabled, as Tab moves now
        Any,        // enabled or not: the order as the window sets it
    };

    static QWidget* next(QWidget* from, Stops stops = Stops::Reachable);
    // `count` stops, `first` the first of them.
    static std::vector<QWidget*> walk(QWidget* first, std::size_t count, Stops stops = Stops::Reachable);
};
