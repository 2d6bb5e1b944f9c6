// What a window keeps and puts back while its port waits for its device: the caption's note,
// the timers that ran, the controls but those it keeps, and what the handler that met the loss
// showed after it.
#include "FormWindow.h"
#include "Shape.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window with a reading, a lamp, a hidden picture, a control disabled by the program itself,
// a running and a stopped timer, and a button kept usable inside a frame with another one.
class LampWindow : public FormWindow {
public:
    LampWindow() : FormWindow(MSComm::Setup{})
    {
        setWindowTitle("Lamps");
        running = addTimer("Timer1", 1000, [] {});
        stopped = addTimer("Timer2", 1000, [] {});
        startTimers();
        stopped->stop();
        reading->setText("25.5");
        picture->hide();
        offByProgram->setEnabled(false);
        lamp->setBackColor(0xff);
    }
    void Form_Load() override {}

    QLineEdit* reading = new QLineEdit(this);
    forms::Shape* lamp = new forms::Shape(forms::Shape::Kind::Circle, this);
    QLabel* picture = new QLabel(this);
    QPushButton* offByProgram = new QPushButton(this);
    QFrame* frame = new QFrame(this);
    QPushButton* kept = new QPushButton(frame);
    QPushButton* besideKept = new QPushButton(frame);
    QTimer* running = nullptr;
    QTimer* stopped = nullptr;

protected:
    QList<QWidget*> keptWhileSuspended() const override { return {kept}; }
};

TEST(FormWindow, SuspendedWhileTheDeviceIsGoneThenAsBefore)
{
    LampWindow w;
    // Inside the access that found the device gone; the handler goes on to show a closed
    // port's readings.
    w.suspend(" — COM1 lost");
    w.suspend(" — COM1 lost");  // a second loss in the same handler changes nothing
    w.reading->setText("255.5");
    w.lamp->setBackColor(0);
    w.picture->show();
    QCoreApplication::processEvents();  // the handler has returned
    EXPECT_TRUE(w.suspended());
    EXPECT_EQ(w.windowTitle(), "Lamps — COM1 lost");
    EXPECT_EQ(w.reading->text(), "25.5");
    EXPECT_EQ(w.lamp->BackColor(), 0xff);
    EXPECT_TRUE(w.picture->isHidden());
    EXPECT_FALSE(w.running->isActive());
    EXPECT_FALSE(w.reading->isEnabled());
    EXPECT_FALSE(w.besideKept->isEnabled());
    EXPECT_TRUE(w.kept->isEnabled());

    w.resume();
    EXPECT_FALSE(w.suspended());
    EXPECT_EQ(w.windowTitle(), "Lamps");
    EXPECT_TRUE(w.running->isActive());
    EXPECT_FALSE(w.stopped->isActive()) << "a timer the program had stopped started";
    EXPECT_TRUE(w.reading->isEnabled());
    EXPECT_TRUE(w.besideKept->isEnabled());
    EXPECT_FALSE(w.offByProgram->isEnabled()) << "a control the program had disabled was enabled";
}

} // namespace

// A window whose button's handler shows a box, then a reading.
class BoxWindow : public FormWindow {
public:
    BoxWindow() : FormWindow(MSComm::Setup{})
    {
        connect(button, &QPushButton::clicked, this, [this] {
            reading->setText("before");
            showMessage("a box");
            reading->setText("after");
        });
    }
    void Form_Load() override {}
    QLineEdit* reading = new QLineEdit(this);
    QPushButton* button = new QPushButton(this);
};

TEST(FormWindow, AWatchedHandlerIsFollowedOnceAfterItReturnsNeverBehindItsBox)
{
    BoxWindow w;
    w.show();
    std::vector<std::pair<QString, bool>> calls;  // the reading, and whether a box was up
    w.watchHandlers([&] { calls.emplace_back(w.reading->text(), QApplication::activeModalWidget() != nullptr); });
    // The box stays up a while, its loop running the window's events, then closes.
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(300);
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::qWait(50);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), std::make_pair(QString("after"), false));
    EXPECT_EQ(calls.size(), 1u);
    w.watchHandlers(nullptr);
    closer.start(100);
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(calls.size(), 1u) << "followed after the watch ended";
}

TEST(FormWindow, ATimerOnRequestKeepsToTheWindowsSuspension)
{
    for (const bool onWhileSuspended : {true, false}) {
        LampWindow w;
        int ticks = 0;
        QTimer* timer = w.addTimerOnRequest("extra", [&] { ++ticks; });
        w.startTimers();
        EXPECT_FALSE(timer->isActive()) << "started with the window's own";
        w.runTimer(timer, true, 20);
        w.suspend(" — lost");
        EXPECT_FALSE(timer->isActive());
        w.runTimer(timer, onWhileSuspended, 20);
        EXPECT_FALSE(timer->isActive());
        w.resume();
        EXPECT_EQ(timer->isActive(), onWhileSuspended);
        EXPECT_EQ(timer->interval(), 20);
    }
}
