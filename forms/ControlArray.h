#pragma once

#include <QPointer>
#include <QString>
#include <QVector>

// Controls of one kind and role, indexed from `first` (0 for most arrays, 1 where the
// index is the value an item stands for). The container widget owns the controls; each item
// is named after the array and its index, "cmdD(3)".
namespace forms {

template <class Control>
class ControlArray {
public:
    explicit ControlArray(const char* name, int first = 0) : name_(QLatin1String(name)), first_(first) {}

    void add(Control* control)
    {
        control->setObjectName(QStringLiteral("%1(%2)").arg(name_).arg(first_ + count()));
        items_.push_back(control);
    }
    Control* operator()(int index) const { return items_.at(index - first_); }
    int count() const { return int(items_.size()); }

    // Calls f(index, control) for every item in index order.
    template <class F>
    void forEach(F&& f) const
    {
        for (int i = 0; i < count(); ++i)
            f(first_ + i, items_[i].data());
    }

private:
    QString name_;
    int first_;
    QVector<QPointer<Control>> items_;
};

} // namespace forms
