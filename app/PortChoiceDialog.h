#pragma once

#include "PortAssignments.h"
#include "DeviceFacts.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks which device COM ports stand for: one row per port, each a list of the serial devices
// present (USB adapters first, then the others, then the virtual board) and the path that the
// choice stands for, which may also be typed. "Open" accepts, "Quit" or the close box rejects.
class PortChoiceDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PortChoiceDialog)

public:
    using Scan = std::function<std::vector<DeviceFacts>()>;
    // What a row offers first: what its port stands for now (asked to choose), or the first
    // device present, a USB adapter if there is one (that device was not found).
    enum class Offer { Current, FirstPresent };

    // `headline` says why it asks; `ports` are the COM port numbers to ask for, each shown with
    // what it stands for now. `scan` lists the devices present, again at each "Refresh".
    PortChoiceDialog(const QString& headline, std::vector<int> ports, const PortAssignments& current, Offer offer,
                     Scan scan, QWidget* parent = nullptr);

    // What the user chose for COM`port`: a device path or "virtual".
    QString device(int port) const;
    // The user asked to keep the choice ("from now on").
    bool remember() const;

    // How a device present is named in the list: product, driver, path and stable name.
    static QString label(const DeviceFacts& port);

private:
    struct Row {
        int port;
        QComboBox* choices;
        QLineEdit* path;
    };
    // The steps of the constructor: a row for each port, the box that keeps the choice, the
    // buttons (with "Open" for the rows to enable), and what a row does as it is used.
    QFormLayout* portRows(const std::vector<int>& ports, const PortAssignments& current);
    QCheckBox* rememberBox(const std::vector<int>& ports);
    QDialogButtonBox* buttons(QPushButton*& open);
    void connectRow(Row& row, QPushButton* open);
    void fill(Row& row, const QString& wanted, Offer offer);
    void refresh();

    std::vector<Row> rows_;
    Scan scan_;
    std::vector<DeviceFacts> present_;
    QLabel* found_;
    QCheckBox* remember_;
};
