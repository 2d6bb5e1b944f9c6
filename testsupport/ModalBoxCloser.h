#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

// While it lives, closes with OK every message box that comes up (it looks every few
// milliseconds, also inside the box's own event loop) and keeps what each one showed.
class ModalBoxCloser {
public:
    struct Box {
        QString title;
        QString text;
        QString detail;  // the informative text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    explicit ModalBoxCloser(int intervalMs = 5);

    const std::vector<Box>& boxes() const { return boxes_; }
    int count() const { return int(boxes_.size()); }

    // Runs `action` and gives the first box it raised; nothing when it raised none.
    static std::optional<Box> closeRaisedBy(const std::function<void()>& action);

private:
    void closeActiveBox();

    QTimer timer_;
    std::vector<Box> boxes_;
};
