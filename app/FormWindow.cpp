#include "FormWindow.h"

#include "I2CSboard.h"

FormWindow::FormWindow(MSComm::Setup setup, QWidget* parent) : QWidget(parent), MSComm1(std::move(setup))
{
    setObjectName(QStringLiteral("Form1"));
    I2CSboard::useComponent(&MSComm1);
}

FormWindow::~FormWindow()
{
    if (&I2CSboard::component() == &MSComm1)
        I2CSboard::useComponent(nullptr);
}
