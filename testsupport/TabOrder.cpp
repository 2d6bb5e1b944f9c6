#include "TabOrder.h"

QWidget* TabOrder::next(QWidget* from, Stops stops)
{
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (stops == Stops::Any || (w->isVisibleTo(from->window()) && w->isEnabled()))
            return w;
    }
    return from;
}

std::vector<QWidget*> TabOrder::walk(QWidget* first, std::size_t count, Stops stops)
{
    std::vector<QWidget*> order;
    for (QWidget* w = first; order.size() < count; w = next(w, stops))
        order.push_back(w);
    return order;
}
