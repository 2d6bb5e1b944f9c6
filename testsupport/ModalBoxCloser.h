#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

// While it lives, closes with OK every message box that comes up (it looks every few
// milliseconds, also inside the box's own event loop) and keeps what each one showed.
// keepOpen() leaves each box up for a while first.
class ModalBoxCloser {
public:
    struct Box {
        QString title;
        QString text;
        QString detail;  // the informative text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool plainText = false;  // every text of the box, its details included
        QSize size;              // the box's frame
        QSize screen;            // the part of its screen that windows may use
    };

    explicit ModalBoxCloser(int intervalMs = 5);

    // Each box stays up `ms` milliseconds; `shown` runs when it is first seen, `closing` just
    // before it is closed.
    void keepOpen(int ms, std::function<void()> shown = {}, std::function<void()> closing = {});

    const std::vector<Box>& boxes() const { return boxes_; }
    int count() const { return int(boxes_.size()); }

    // Runs `action` and gives the first box it raised; nothing when it raised none.
    static std::optional<Box> closeRaisedBy(const std::function<void()>& action);

private:
    void closeActiveBox();

    QTimer timer_;
    std::vector<Box> boxes_;
    int keepOpenMs_ = 0;
    std::function<void()> shown_, closing_;
    QMessageBox* open_ = nullptr;  // the box being kept open
    QElapsedTimer openFor_;
};
