#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>

class BoardCheck;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The check of the board and the adapter in a small window: a progress bar while it runs, the
// report (its grid in a fixed-width font), and buttons to remember the settle measured and to
// copy the report. The check runs one step per turn of the event loop, so the window stays
// responsive during the bus scan; closing the window ends it.
class CheckWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CheckWindow)

public:
    // Keeps the settle the check measured where the program finds it again; false with `error`
    // filled when it cannot.
    using KeepSettle = std::function<bool(const BoardCheck& check, QString& error)>;

    CheckWindow(std::unique_ptr<BoardCheck> check, const QString& programName, KeepSettle keep);
    ~CheckWindow() override;

    // Starts the check's steps.
    void start();
    bool passed() const;
    QPushButton* rememberButton() const { return remember_; }
    QPushButton* copyButton() const { return copy_; }
    QProgressBar* progress() const { return progress_; }
    QPlainTextEdit* reportView() const { return report_; }

private:
    void nextStep();
    void rememberSettle();

    std::unique_ptr<BoardCheck> check_;
    KeepSettle keep_;
    QProgressBar* progress_;
    QPlainTextEdit* report_;
    QLabel* note_;
    QPushButton* remember_;
    QPushButton* copy_;
    QTimer* steps_;
};
