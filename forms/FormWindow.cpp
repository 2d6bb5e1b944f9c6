#include "FormWindow.h"

FormWindow::FormWindow(MSComm::Setup setup, QWidget* parent) : QWidget(parent), MSComm1(std::move(setup))
{
    setObjectName(QStringLiteral("Form1"));
}
