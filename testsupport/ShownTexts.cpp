#include "ShownTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {

void addOwnTexts(const QWidget& w, QStringList& texts)
{
    texts << w.windowTitle() << w.toolTip();
    if (auto* label = qobject_cast<const QLabel*>(&w))
        texts << label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        texts << button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&w))
        texts << group->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(&w))
        texts << edit->placeholderText();
    if (auto* tabs = qobject_cast<const QTabWidget*>(&w))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    if (auto* combo = qobject_cast<const QComboBox*>(&w))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
}

void addDrawnTexts(const QGraphicsView& view, QStringList& texts)
{
    if (!view.scene())
        return;
    for (const QGraphicsItem* item : view.scene()->items()) {
        if (auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            texts << text->toPlainText();
        else if (auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            texts << simple->text();
    }
}

} // namespace

QStringList shownTexts(const QWidget& window)
{
    QStringList texts;
    addOwnTexts(window, texts);
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        addOwnTexts(*w, texts);
        if (auto* view = qobject_cast<const QGraphicsView*>(w))
            addDrawnTexts(*view, texts);
    }
    texts.removeAll(QString());
    return texts;
}
