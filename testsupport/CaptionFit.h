#pragma once

class QLabel;
class QPushButton;

// Whether a control's caption fits the room the control leaves for it, whatever face stands
// in for the window's font.
class CaptionFit {
public:
    static bool fits(const QPushButton* button);
    static bool fits(const QLabel* label);
};
