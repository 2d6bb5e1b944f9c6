#include "PortChoiceDialog.h"

#include "DeviceDescription.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString portName(int port) { return QStringLiteral("COM%1").arg(port); }

// Beside each device's stable name (the item's data, the one remembered), its kernel name, so
// that a typed /dev/ttyUSB0 finds the adapter listed by its by-id name.
constexpr int KernelNameRole = Qt::UserRole + 1;

QLabel* textLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);  // paths and messages are shown as they are
    label->setWordWrap(true);
    return label;
}

} // namespace

QString PortChoiceDialog::label(const DeviceFacts& port) { return QString::fromStdString(DeviceDescription::label(port)); }

PortChoiceDialog::PortChoiceDialog(const QString& headline, std::vector<int> ports, const PortAssignments& current,
                                   Offer offer, Scan scan, QWidget* parent)
    : QDialog(parent), scan_(std::move(scan))
{
    setWindowTitle(QCoreApplication::applicationName());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel(headline, "headline"));
    found_ = textLabel({}, "found");
    layout->addWidget(found_);
    layout->addLayout(portRows(ports, current));
    remember_ = rememberBox(ports);
    layout->addWidget(remember_);
    QPushButton* open = nullptr;
    layout->addWidget(buttons(open));
    for (Row& row : rows_)  // all made: a row's place in rows_ stays
        connectRow(row, open);
    present_ = scan_ ? scan_() : std::vector<DeviceFacts>{};
    for (Row& row : rows_)
        fill(row, current.of(row.port).device, offer);
}

QFormLayout* PortChoiceDialog::portRows(const std::vector<int>& ports, const PortAssignments& current)
{
    auto* form = new QFormLayout;
    for (int port : ports) {
        Row row{port, new QComboBox, new QLineEdit};
        row.choices->setObjectName(QStringLiteral("choices") + portName(port));
        row.path->setObjectName(QStringLiteral("path") + portName(port));
        //: "virtual" is the word to type for the virtual board and stays as it is.
        row.path->setPlaceholderText(tr("a device path, or virtual"));
        auto* column = new QVBoxLayout;
        column->addWidget(row.choices);
        column->addWidget(row.path);
        //: %1 is the COM port, %2 the device it stands for now.
        auto* name = textLabel(tr("%1\n(now %2)").arg(portName(port), current.of(port).device), "port");
        name->setWordWrap(false);  // a form leaves a wrapping label no width
        form->addRow(name, column);
        rows_.push_back(row);
    }
    return form;
}

QCheckBox* PortChoiceDialog::rememberBox(const std::vector<int>& ports)
{
    auto* box = new QCheckBox(ports.size() == 1 ? tr("Use it as %1 from now on").arg(portName(ports.front()))
                                                : tr("Use them as %1 to %2 from now on")
                                                      .arg(portName(ports.front()), portName(ports.back())));
    box->setObjectName(QStringLiteral("remember"));
    box->setChecked(true);
    return box;
}

QDialogButtonBox* PortChoiceDialog::buttons(QPushButton*& open)
{
    auto* buttons = new QDialogButtonBox;
    open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("open"));
    open->setDefault(true);
    QPushButton* again = buttons->addButton(tr("&Refresh"), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("refresh"));
    buttons->addButton(tr("&Quit"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("quit"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(again, &QPushButton::clicked, this, [this] { refresh(); });
    return buttons;
}

void PortChoiceDialog::connectRow(Row& row, QPushButton* open)
{
    connect(row.choices, &QComboBox::activated, this, [this, &row](int index) {
        const QString path = row.choices->itemData(index).toString();
        if (!path.isEmpty())
            row.path->setText(path);
        else
            row.path->setFocus();
    });
    // A typed path shows as the device it names, or as another device.
    connect(row.path, &QLineEdit::textEdited, this, [&row](const QString& text) {
        int index = row.choices->findData(text.trimmed());
        if (index < 0)
            index = row.choices->findData(text.trimmed(), KernelNameRole);
        row.choices->setCurrentIndex(index >= 0 ? index : row.choices->count() - 1);
    });
    connect(row.path, &QLineEdit::textChanged, this, [this, open] {
        open->setEnabled(std::all_of(rows_.begin(), rows_.end(), [](const Row& r) { return !r.path->text().trimmed().isEmpty(); }));
    });
}

void PortChoiceDialog::fill(Row& row, const QString& wanted, Offer offer)
{
    // USB adapters first: on a laptop they are the likely choice, built-in names the unlikely.
    std::vector<DeviceFacts> ports = present_;
    std::stable_sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return !a.vendorId.empty() && b.vendorId.empty(); });
    row.choices->clear();
    int chosen = -1;
    for (const DeviceFacts& port : ports) {
        // The stable name is the one worth remembering: ttyUSB0 and ttyUSB1 swap.
        const QString path = QString::fromStdString(port.byId.empty() ? port.path : port.byId);
        if (chosen < 0 && (path == wanted || QString::fromStdString(port.path) == wanted))
            chosen = row.choices->count();
        row.choices->addItem(label(port), path);
        row.choices->setItemData(row.choices->count() - 1, QString::fromStdString(port.path), KernelNameRole);
    }
    if (chosen < 0 && wanted == QLatin1String(PortAssignments::Virtual))
        chosen = row.choices->count();
    row.choices->addItem(tr("Virtual board (no board needed)"), QString::fromLatin1(PortAssignments::Virtual));
    row.choices->addItem(tr("Another device: type its path below"), QString());
    if (chosen < 0)
        chosen = offer == Offer::Current && !wanted.isEmpty() ? row.choices->count() - 1
                                                              : 0;  // the first adapter, or the virtual board when none is present
    row.choices->setCurrentIndex(chosen);
    row.path->setText(chosen == row.choices->count() - 1 ? wanted : row.choices->itemData(chosen).toString());
    found_->setText(present_.empty() ? tr("No serial device was found on this computer. Plug the adapter in and "
                                          "press Refresh, or use the virtual board.")
                                     : QString());
    found_->setVisible(present_.empty());
}

void PortChoiceDialog::refresh()
{
    present_ = scan_ ? scan_() : std::vector<DeviceFacts>{};
    for (Row& row : rows_)
        fill(row, row.path->text().trimmed(), Offer::Current);
}

QString PortChoiceDialog::device(int port) const
{
    for (const Row& row : rows_)
        if (row.port == port)
            return row.path->text().trimmed();
    return {};
}

bool PortChoiceDialog::remember() const { return remember_->isChecked(); }
