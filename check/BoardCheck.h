#pragma once

#include "BusProbe.h"
#include "CheckedPort.h"
#include "MSComm.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Checks what stands behind a program's COM port before the program uses it, in steps (so
// that a window stays responsive and a terminal shows progress), and writes a report: the
// device; for the two-wire programs the data line, the status lag and the settle it calls for,
// every address that answers, and a verdict. What the program needs is read off the board it
// is built for: the chips on its bus.
class BoardCheck {
    Q_DECLARE_TR_FUNCTIONS(BoardCheck)

public:
    static constexpr int LagChanges = 20;
    static constexpr std::uint8_t FirstAddress = 0x08;
    static constexpr std::uint8_t LastAddress = 0x77;

    explicit BoardCheck(CheckedPort checked);
    ~BoardCheck();
    BoardCheck(const BoardCheck&) = delete;
    BoardCheck& operator=(const BoardCheck&) = delete;

    // Runs the next step and adds its part to the report; false once the report is complete.
    bool step();
    int stepsDone() const { return done_; }
    int steps() const;
    // Between steps of the bus scan: the address probed next.
    std::optional<std::uint8_t> scanning() const;

    const QString& report() const { return report_; }
    // What the program drives answered (for a program that reads nothing back: the device opened).
    bool passed() const { return passed_; }
    // The settle the status lag calls for, once measured.
    std::optional<std::chrono::microseconds> measuredSettle() const { return measured_; }
    // The measured settle, worth keeping for the COM port: none for the virtual board, whose
    // zero would take the place of a real adapter's default later on the same port.
    std::optional<std::chrono::microseconds> settleToKeep() const
    {
        return checked_.device.empty() ? std::nullopt : measured_;
    }
    int commPort() const { return checked_.commPort; }
    // The addresses that acknowledged, in order.
    const std::vector<std::uint8_t>& answered() const { return answered_; }

    // What an address of this suite's boards is: "the temperature sensor or the PCF8591",
    // "a PCF8574 (A2 A1 A0 = 001)"; empty for any other.
    static QString chipAt(std::uint8_t address7);

private:
    enum class Stage { Device, DataLine, Lag, Scan, Verdict, Done };
    // A chip the program talks to, and the addresses it may answer at.
    struct Need {
        QString chip;
        std::vector<std::uint8_t> addresses;
    };

    void checkDevice();
    // The device, its driver and the settle that applies, in the report's first line.
    void describeDevice();
    void readStatusInputs();
    void checkDataLine();
    void measureLag();
    // The settle measured beside the driver's default and the one that applies.
    QString comparedWithDriver() const;
    // The scan goes through the component, as the programs' traffic does.
    void startScan();
    void probeNext();
    void giveVerdict();
    void line(const QString& text) { report_ += text + u'\n'; }
    void fail(const QString& why);

    CheckedPort checked_;
    std::vector<Need> needs_;
    bool twoWire_ = false;
    bool statusInputs_ = false;
    Stage stage_ = Stage::Device;
    int done_ = 0;
    QString report_;
    bool passed_ = false;
    std::chrono::microseconds settle_{0};  // what applies now, for freeing the bus
    QString settleFrom_;                   // where it comes from
    QString driver_;                       // the device's driver, for the comparison
    std::chrono::microseconds driverSettle_{0};
    std::optional<std::chrono::microseconds> measured_;
    std::unique_ptr<SerialLines> port_;  // without a settle, until the component takes it
    std::unique_ptr<BusProbe> probe_;
    std::unique_ptr<MSComm> component_;
    QString failure_;  // a device that failed under the component
    std::uint8_t next_ = FirstAddress;
    std::vector<std::uint8_t> answered_;
};
