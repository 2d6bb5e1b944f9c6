#pragma once

#include <QProxyStyle>

class QApplication;

// The look that fits captions into controls of the sizes the windows give: narrow button
// margins (the layouts leave about as much room around a caption as an 8-point font needs).
class FormsStyle : public QProxyStyle {
public:
    FormsStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

    // Installs the style and the window font on the application.
    static void apply(QApplication& app);
};
