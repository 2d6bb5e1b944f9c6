#include "ModalBoxCloser.h"

#include <QAbstractButton>
#include <QApplication>

ModalBoxCloser::ModalBoxCloser(int intervalMs)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeActiveBox(); });
    timer_.start(intervalMs);
}

void ModalBoxCloser::closeActiveBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    boxes_.push_back({box->windowTitle(), box->text(), box->informativeText(), box->icon(), box->standardButtons()});
    box->button(QMessageBox::Ok)->click();
}

std::optional<ModalBoxCloser::Box> ModalBoxCloser::closeRaisedBy(const std::function<void()>& action)
{
    // A closer of its own, so that none is left behind when the action raises no box.
    ModalBoxCloser closer(0);
    action();
    if (closer.boxes_.empty())
        return std::nullopt;
    return closer.boxes_.front();
}
