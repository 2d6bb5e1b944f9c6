#include "FormsStyle.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

FormsStyle::FormsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int FormsStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonMargin)
        return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void FormsStyle::apply(QApplication& app)
{
    app.setStyle(new FormsStyle);
    // An 8-point sans-serif with narrow metrics, as the windows were laid out for.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    app.setFont(font);
}
