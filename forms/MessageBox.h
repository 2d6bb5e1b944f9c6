#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The one way the suite shows a message. Every text of the box is plain text: a quoted input
// that holds a tag would otherwise switch the box to rich text (a bold digit, collapsed line
// breaks, a local picture loaded at any size).
namespace forms {

// Shows a modal box with `text`, `details` below it and an OK button only; returns once the
// user has closed it.
void messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                const QString& details = {});

// What the user typed, as a message quotes it: in double quotes, cut after QuotedLength
// characters with an ellipsis, so that a long paste keeps the box within the screen.
constexpr int QuotedLength = 40;
QString quoted(const QString& input);

} // namespace forms
