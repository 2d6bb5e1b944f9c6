#pragma once

#include <QPointer>
#include <QVector>

// Controls of one kind and role, indexed from `first` (0 for most arrays, 1 where the
// index is the value an item stands for). The container widget owns the controls.
namespace forms {

template <class Control>
class ControlArray {
public:
    explicit ControlArray(int first = 0) : first_(first) {}

    void add(Control* control) { items_.push_back(control); }
    Control* operator()(int index) const { return items_.at(index - first_); }
    int first() const { return first_; }
    int last() const { return first_ + int(items_.size()) - 1; }
    int count() const { return int(items_.size()); }

    // Calls f(index, control) for every item in index order.
    template <class F>
    void forEach(F&& f) const
    {
        for (int i = 0; i < count(); ++i)
            f(first_ + i, items_[i].data());
    }

private:
    int first_;
    QVector<QPointer<Control>> items_;
};

} // namespace forms
