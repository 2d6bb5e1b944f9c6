#include "MessageBox.h"

#include <QLabel>

namespace forms {

void messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                const QString& details)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    // The details get a label of their own, which would guess its format from the text.
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    box.exec();
}

QString quoted(const QString& input)
{
    if (input.size() <= QuotedLength)
        return u'"' + input + u'"';
    qsizetype cut = QuotedLength;
    if (input.at(cut - 1).isHighSurrogate())  // never half a character
        --cut;
    return u'"' + input.left(cut) + QChar(0x2026) + u'"';
}

} // namespace forms
