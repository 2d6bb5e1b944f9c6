#pragma once

#include "Board.h"
#include "LineRecorder.h"
#include "TemperatureSensor.h"
#include "TransactionDecoder.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// A window on the virtual sensor board, its traffic decoded and its accesses traced.
template <class Window>
class WindowOnSensorBoard : public ::testing::Test {
protected:
    WindowOnSensorBoard()
    {
        bus = &board.template add<TwoWireBus>();
        sensor = &bus->template add<TemperatureSensor>();
        bus->addListener(&decoder);
        window = std::make_unique<Window>(MSComm::Setup{
            [this](int port, const LineSettings& s) {
                openedPort = port;
                return std::make_unique<VirtualPort>(board, s);
            },
            recorder.trace()});
        window->Form_Load();
        window->show();
        recorder.clear();
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Clicks `button` and closes the message box it raises; gives the box's text (empty: none).
    QString clickExpectingBox(QAbstractButton* button)
    {
        QString text;
        QTimer::singleShot(0, [&text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        click(button);
        return text;
    }

    // The widget that Tab moves the focus to from `from`.
    static QWidget* nextByTab(QWidget* from)
    {
        for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && w->isEnabled())
                return w;
        return from;
    }

    void activate()
    {
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The horizontal room a push button leaves for its caption.
    static int captionRoom(QPushButton* b)
    {
        int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return b->width() - 2 * (margin + frame);
    }

    Board board;
    TwoWireBus* bus;
    TemperatureSensor* sensor;
    std::vector<std::string> seen;
    TransactionDecoder decoder{[this](const std::string& t) { seen.push_back(t); }};
    LineRecorder recorder;
    int openedPort = 0;
    std::unique_ptr<Window> window;
};
