#pragma once

#include <QWidget>

// A drawn figure without events: a rectangle filling the control, or a circle of the
// control's smaller side centred in it; filled with BackColor and outlined in BorderColor
// (colour numbers, see ColorNumber.h).
namespace forms {

class Shape : public QWidget {
public:
    enum class Kind { Rectangle, Circle };

    explicit Shape(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    long BackColor() const { return backColor_; }
    void setBackColor(long number);
    long BorderColor() const { return borderColor_; }
    void setBorderColor(long number);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    long backColor_ = 0xFFFFFF;
    long borderColor_ = 0;
};

} // namespace forms
