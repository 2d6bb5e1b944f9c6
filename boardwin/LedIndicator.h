#pragma once

#include <QWidget>

// A round LED: bright red when lit, dark red when not. Repaints only when its state changes.
class LedIndicator : public QWidget {
public:
    explicit LedIndicator(QWidget* parent = nullptr);

    bool isLit() const { return lit_; }
    void setLit(bool lit);

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = false;
};
