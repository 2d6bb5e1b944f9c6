#include "LineProbeWindow.h"

#include "ColorNumber.h"
#include "Named.h"
#include "Shape.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

constexpr long LampBorder = forms::rgb(192, 0, 0);

forms::Shape* lamp(QWidget* parent, int left, int top)
{
    auto* shape = new forms::Shape(forms::Shape::Kind::Circle, parent);
    forms::place(shape, left, top, 255, 255);
    shape->setBackColor(LineProbeWindow::Asserted);
    shape->setBorderColor(LampBorder);
    return shape;
}

} // namespace

LineProbeWindow::LineProbeWindow(MSComm::Setup setup, QWidget* parent) : FormWindow(std::move(setup), parent)
{
    setWindowTitle(QStringLiteral(" Basic Input"));
    forms::setClientArea(this, 3900, 2685);

    Shape2 = forms::named(lamp(this, 1005, 825), "Shape2");
    Shape3 = forms::named(lamp(this, 990, 1320), "Shape3");
    Shape1 = forms::named(lamp(this, 1005, 1785), "Shape1");
    Label1 = forms::named(new QLabel(QStringLiteral("CTS"), this), "Label1");
    forms::place(Label1, 1350, 1785, 525, 285);
    Label2 = forms::named(new QLabel(QStringLiteral("DCD"), this), "Label2");
    forms::place(Label2, 1350, 825, 525, 285);
    Label3 = forms::named(new QLabel(QStringLiteral("DSR"), this), "Label3");
    forms::place(Label3, 1350, 1305, 525, 285);

    Timer1 = addTimer("Timer1", 100, [this] { Timer1_Timer(); });
}

void LineProbeWindow::Form_Load()
{
    try {
        MSComm1.setPortOpen(true);
    } catch (const CommError& e) {
        if (e.kind() != CommError::Kind::HeldByAnother)
            throw;
        // The box says only what the user must know; who holds the port goes to the log.
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), e.what());
        showMessage(QStringLiteral("Port Is Use By Another Program"));
    }
}

void LineProbeWindow::Timer1_Timer()
{
    // Each line is read just before its own lamp is set.
    Shape1->setBackColor(MSComm1.CTSHolding() ? Asserted : NotAsserted);
    Shape2->setBackColor(MSComm1.CDHolding() ? Asserted : NotAsserted);
    Shape3->setBackColor(MSComm1.DSRHolding() ? Asserted : NotAsserted);
}
