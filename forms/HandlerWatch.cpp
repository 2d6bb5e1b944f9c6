#include "HandlerWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace {

// The events that run a window's handlers; the others (paint, hover, layout) run none.
bool runsHandlers(QEvent::Type type)
{
    switch (type) {
    case QEvent::Timer:
    case QEvent::MetaCall:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::FocusOut:
    case QEvent::SockAct:
    case QEvent::SockClose:
        return true;
    default:
        return false;
    }
}

} // namespace

HandlerWatch::HandlerWatch(QWidget& window, std::function<void()> done)
    : QObject(&window), window_(window), done_(std::move(done))
{
    QCoreApplication::instance()->installEventFilter(this);
}

HandlerWatch::~HandlerWatch()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool HandlerWatch::eventFilter(QObject* receiver, QEvent* event)
{
    // The filter only looks: the event goes on to its receiver, and the call comes after it.
    if (!posted_ && receiver != this && runsHandlers(event->type()) && inWindow(receiver))
        post();
    return false;
}

bool HandlerWatch::inWindow(const QObject* object) const
{
    for (; object; object = object->parent())
        if (object == &window_)
            return true;
    return false;
}

void HandlerWatch::post()
{
    posted_ = true;
    QMetaObject::invokeMethod(this, [this] { fire(); }, Qt::QueuedConnection);
}

void HandlerWatch::fire()
{
    posted_ = false;
    if (held_ > 0) {
        due_ = true;
        return;
    }
    done_();
}

void HandlerWatch::hold()
{
    ++held_;
}

void HandlerWatch::release()
{
    // The handler that showed the box goes on: the call comes once it has returned.
    if (--held_ == 0 && std::exchange(due_, false) && !posted_)
        post();
}
