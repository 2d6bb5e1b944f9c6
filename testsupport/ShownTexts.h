#pragma once

#include <QStringList>

class QWidget;

// Every text a window shows a person: its title, its labels, buttons, group titles, tabs,
// boxes' items, placeholders and tool tips, and the texts drawn in its graphics views (a chart's
// axis titles and legend), its children's included.
QStringList shownTexts(const QWidget& window);
