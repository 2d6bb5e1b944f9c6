#include "CaptionFit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

bool CaptionFit::fits(const QPushButton* b)
{
    // A push button keeps its margin and its frame on either side of the caption.
    const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    return b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 2 * (margin + frame);
}

bool CaptionFit::fits(const QLabel* label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
}
