#include "ModalBoxCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>

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
    if (keepOpenMs_ > 0) {
        if (box != open_) {
            open_ = box;
            openFor_.start();
            if (shown_)
                shown_();
        }
        if (openFor_.elapsed() < keepOpenMs_)
            return;
        open_ = nullptr;
        if (closing_)
            closing_();
    }
    bool plain = box->textFormat() == Qt::PlainText;
    for (const QLabel* label : box->findChildren<QLabel*>())
        plain = plain && label->textFormat() == Qt::PlainText;
    boxes_.push_back({box->windowTitle(), box->text(), box->informativeText(), box->icon(), box->standardButtons(),
                      plain, box->frameGeometry().size(), box->screen()->availableSize()});
    box->button(QMessageBox::Ok)->click();
}

void ModalBoxCloser::keepOpen(int ms, std::function<void()> shown, std::function<void()> closing)
{
    keepOpenMs_ = ms;
    shown_ = std::move(shown);
    closing_ = std::move(closing);
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
