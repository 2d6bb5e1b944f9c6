#include "BoardCheck.h"

#include "Board.h"
#include "BusLines.h"
#include "ChipCommands.h"
#include "DeviceDescription.h"
#include "I2CSboard.h"
#include "PartVisitor.h"
#include "DeviceFacts.h"
#include "Pcf8574Expander.h"
#include "Settle.h"
#include "SettledLines.h"
#include "StatusLag.h"

using namespace std::chrono;

namespace {

// Where the settle that applies comes from, in the report's words.
QString settleSource(Settle::Source source)
{
    switch (source) {
    case Settle::Source::Option: return QStringLiteral("--settle");
    //: Where the settle comes from: the user's port assignments.
    case Settle::Source::Remembered: return BoardCheck::tr("remembered");
    case Settle::Source::Driver: break;
    }
    //: Where the settle comes from: the default of the adapter's driver.
    return BoardCheck::tr("the driver's default");
}

QString us(nanoseconds t) { return QStringLiteral("%1 µs").arg(duration_cast<microseconds>(t).count()); }

QString hex2(std::uint8_t a) { return QStringLiteral("%1").arg(a, 2, 16, QLatin1Char('0')); }

std::vector<std::uint8_t> range(std::uint8_t first, int count)
{
    std::vector<std::uint8_t> out;
    for (int n = 0; n < count; ++n)
        out.push_back(std::uint8_t(first + n));
    return out;
}

constexpr std::uint8_t SensorAddress = sensor::WriteAddress >> 1;

} // namespace

BoardCheck::BoardCheck(CheckedPort checked) : checked_(std::move(checked))
{
    Board drawn;  // the program's board, for what it carries
    if (checked_.buildBoard)
        checked_.buildBoard(drawn);
    twoWire_ = busLinesOf(drawn) == BusLines::TwoWire;
    struct Finder : PartVisitor {
        using PartVisitor::visit;
        void visit(TemperatureSensor&) override { add(BoardCheck::tr("the temperature sensor"), {SensorAddress}); }
        void visit(Pcf8591Converter&) override { add(BoardCheck::tr("the PCF8591 converter"), {SensorAddress}); }
        void visit(Pcf8574Expander&) override
        {
            // The user sets the chip and its pins in the window: any expander will do.
            auto any = range(Pcf8574Expander::Pcf8574Address7, 8);
            auto a = range(Pcf8574Expander::Pcf8574AAddress7, 8);
            any.insert(any.end(), a.begin(), a.end());
            add(BoardCheck::tr("a PCF8574 or PCF8574A expander"), any);
        }
        void visit(StatusInputs&) override { statusInputs = true; }
        void add(const QString& chip, std::vector<std::uint8_t> addresses)
        {
            for (const Need& n : needs)
                if (n.chip == chip)
                    return;
            needs.push_back({chip, std::move(addresses)});
        }
        std::vector<Need> needs;
        bool statusInputs = false;
    } finder;
    drawn.accept(finder);
    needs_ = std::move(finder.needs);
    statusInputs_ = finder.statusInputs;
}

BoardCheck::~BoardCheck() = default;

int BoardCheck::steps() const
{
    return twoWire_ ? 4 + (LastAddress - FirstAddress + 1) : 1;
}

std::optional<std::uint8_t> BoardCheck::scanning() const
{
    if (stage_ == Stage::Scan)
        return next_;
    return std::nullopt;
}

QString BoardCheck::chipAt(std::uint8_t address7)
{
    if (address7 == SensorAddress)
        return tr("the temperature sensor or the PCF8591");
    for (auto [base, name] : {std::pair{Pcf8574Expander::Pcf8574Address7, "PCF8574"},
                              std::pair{Pcf8574Expander::Pcf8574AAddress7, "PCF8574A"}}) {
        if (address7 >= base && address7 < base + 8) {
            const int pins = address7 - base;
            //: A chip of this name and the levels of its address pins.
            return tr("a %1 (A2 A1 A0 = %2%3%4)")
                .arg(QLatin1String(name))
                .arg(pins >> 2 & 1)
                .arg(pins >> 1 & 1)
                .arg(pins & 1);
        }
    }
    return {};
}

void BoardCheck::fail(const QString& why)
{
    //: The check's outcome: the board cannot be used as it is, and why.
    line(tr("Verdict: not ready: %1").arg(why));
    passed_ = false;
    stage_ = Stage::Done;
}

bool BoardCheck::step()
{
    try {
        switch (stage_) {
        case Stage::Device: checkDevice(); break;
        case Stage::DataLine: checkDataLine(); break;
        case Stage::Lag: measureLag(); break;
        case Stage::Scan: probeNext(); break;
        case Stage::Verdict: giveVerdict(); break;
        case Stage::Done: return false;
        }
    } catch (const CommError& e) {
        line(tr("The device failed: %1").arg(QString::fromStdString(e.shown())));
        fail(tr("check that the adapter is still plugged in"));
    }
    ++done_;
    return stage_ != Stage::Done;
}

void BoardCheck::checkDevice()
{
    describeDevice();
    try {
        port_ = checked_.openUnsettled();
    } catch (const CommError& e) {
        line(QString::fromStdString(e.shown()));
        fail(tr("the device does not open; check the COM port's device (--list-ports)"));
        return;
    }
    if (statusInputs_)
        readStatusInputs();
    else if (!twoWire_)
        line(tr("%1 reads nothing back from the board: nothing more to check.").arg(checked_.programName));
    if (!twoWire_) {
        line(tr("Verdict: the device opened."));
        passed_ = true;
        stage_ = Stage::Done;
        return;
    }
    probe_ = std::make_unique<BusProbe>(*port_, *checked_.clock, settle_);
    stage_ = Stage::DataLine;
}

void BoardCheck::describeDevice()
{
    const bool isVirtual = checked_.device.empty();
    const DeviceFacts facts = isVirtual ? DeviceFacts{} : DeviceFacts::of(checked_.device, checked_.sysfsRoot);
    const std::string& driver = facts.driver;
    //: Whose default settle the measured one is compared with: "the default for the virtual board".
    driver_ = isVirtual ? tr("the virtual board") : driver.empty() ? tr("an unknown driver") : QString::fromStdString(driver);
    driverSettle_ = facts.settle;
    const Settle settle = Settle::resolve(checked_.settle, driver);
    settle_ = settle.wait;
    settleFrom_ = settleSource(settle.source);
    const QString port = QString::number(checked_.commPort), wait = QString::number(settle_.count());
    if (isVirtual)
        line(tr("COM%1: the virtual board (no device), status reads live; settle %2 µs (%3)").arg(port, wait, settleFrom_));
    else
        //: The second place holds the device, its adapter and its driver; the last, where the settle comes from.
        line(tr("COM%1: %2; settle %3 µs (%4)")
                 .arg(port, QString::fromStdString(DeviceDescription::line(facts)), wait, settleFrom_));
}

void BoardCheck::readStatusInputs()
{
    // A caching adapter's first report after opening may not have come yet.
    MonotonicClock& clock = *checked_.clock;
    clock.sleepUntil(clock.now() + settle_);
    //: A status input's state.
    auto state = [](bool asserted) { return asserted ? tr("asserted") : tr("not asserted"); };
    line(tr("Status inputs now: CTS %1, CD %2, DSR %3").arg(state(port_->cts()), state(port_->cd()), state(port_->dsr())));
    line(tr("Their status lag is not measurable: nothing on this side of the cable drives them."));
    if (driver_ == u"cdc_acm")
        line(tr("cdc_acm reports CTS as always asserted, whatever the board does."));
}

void BoardCheck::checkDataLine()
{
    const BusProbe::DataLine d = probe_->checkDataLine();
    if (d.stuckLow) {
        //: How the recovery clocks and the stop left the data line.
        const QString outcome = d.freed ? tr("freed it") : tr("did not free it");
        const QString count = QString::number(d.recoveryClocks);
        const QString recovery =
            d.recoveryClocks == 1 ? tr("Data line: SDA read low while released (a chip stopped mid-byte?); %1 clock and a stop %2.")
                                  : tr("Data line: SDA read low while released (a chip stopped mid-byte?); %1 clocks and a stop %2.");
        line(recovery.arg(count, outcome));
        if (!d.freed) {
            fail(tr("SDA stays low; check for a chip or a short holding the data line low, and the board's power"));
            return;
        }
    }
    if (!d.follows()) {
        //: A line's logic level, as a status input reads it.
        auto level = [](bool high) { return high ? tr("high") : tr("low"); };
        line(tr("Data line: with SDA pulled low CD says %1, released %2: CD does not follow SDA.")
                 .arg(level(!d.followsLow), level(d.followsHigh)));
        fail(tr("check the cable, the board's power and its level converter"));
        return;
    }
    line(tr("Data line: released SDA reads high, pulled low reads low: CD follows SDA."));
    stage_ = Stage::Lag;
}

void BoardCheck::measureLag()
{
    std::vector<nanoseconds> lags = probe_->lags(LagChanges);
    if (int(lags.size()) < LagChanges) {
        line(tr("Status lag: CD stopped following SDA after %1 changes.").arg(lags.size()));
        fail(tr("check the cable and the board's power"));
        return;
    }
    const StatusLag lag(std::move(lags));
    measured_ = lag.settle();
    line(tr("Status lag (%1 changes): least %2, median %3, most %4.")
             .arg(lag.count())
             .arg(us(lag.least()), us(lag.median()), us(lag.most())));
    //: The second place says how the settle follows from the lags; the third compares it with the driver's.
    line(tr("Settle this adapter needs: %1 µs (%2), %3.")
             .arg(QString::number(measured_->count()),
                  measured_->count() == 0 ? tr("no read lagged")
                                          : tr("the most, plus half of it and at least %1 µs").arg(StatusLag::Frame.count()),
                  comparedWithDriver()));
    startScan();
}

QString BoardCheck::comparedWithDriver() const
{
    const QString byDriver = QString::number(driverSettle_.count());
    //: The settle measured beside the default for a driver (its name), in µs.
    QString compared = *measured_ == driverSettle_ ? tr("the same as the default for %1 (%2 µs)").arg(driver_, byDriver)
                       : *measured_ > driverSettle_ ? tr("longer than the default for %1 (%2 µs)").arg(driver_, byDriver)
                                                    : tr("shorter than the default for %1 (%2 µs)").arg(driver_, byDriver);
    if (settle_ != driverSettle_)
        //: The comparison, then the settle that applies now and where it comes from.
        compared = tr("%1; %2 µs applies now (%3)").arg(compared, QString::number(settle_.count()), settleFrom_);
    return compared;
}

void BoardCheck::startScan()
{
    // The scan reads acknowledges as the programs read their bits: after the settle measured.
    std::unique_ptr<SerialLines> lines = std::move(port_);
    if (*measured_ > microseconds::zero())
        lines = std::make_unique<SettledLines>(std::move(lines), *measured_, *checked_.clock);
    auto held = std::make_shared<std::unique_ptr<SerialLines>>(std::move(lines));
    component_ = std::make_unique<MSComm>(
        MSComm::Setup{[held](int, const LineSettings&) { return std::move(*held); }, checked_.trace});
    component_->setFailureHandler([this](const std::string& message) { failure_ = QString::fromStdString(message); });
    component_->setCommPort(std::int16_t(checked_.commPort));
    component_->setPortOpen(true);
    line(tr("Bus (each address: start, address with the write bit, its acknowledge clock, stop):"));
    line(QStringLiteral("     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f"));
    stage_ = Stage::Scan;
}

void BoardCheck::probeNext()
{
    const std::uint8_t a = next_;
    bool acknowledged = false;
    {
        I2CSboard::ComponentScope scope(*component_);
        I2CSboard::I2CStart();
        I2CSboard::WriteByte(std::uint8_t(a << 1));
        acknowledged = I2CSboard::GetAck();
        I2CSboard::I2CStop();
    }
    if (!failure_.isEmpty())
        throw CommError(CommError::Kind::DeviceFailed, failure_.toStdString());
    if (acknowledged)
        answered_.push_back(a);
    if (a == FirstAddress || a % 16 == 0) {
        QString row = hex2(std::uint8_t(a & 0xF0)) + u':';
        for (int n = 0; n < (a & 0x0F); ++n)
            row += QStringLiteral("   ");
        report_ += row;
    }
    report_ += u' ' + (acknowledged ? hex2(a) : QStringLiteral("--"));
    if (a % 16 == 15 || a == LastAddress)
        report_ += u'\n';
    if (a == LastAddress) {
        for (std::uint8_t found : answered_) {
            const QString chip = chipAt(found);
            line(QStringLiteral("%1: %2").arg(hex2(found), chip.isEmpty() ? tr("no chip of this suite's boards") : chip));
        }
        if (answered_.empty())
            line(tr("No address answered."));
        stage_ = Stage::Verdict;
        return;
    }
    next_ = std::uint8_t(a + 1);
}

void BoardCheck::giveVerdict()
{
    QStringList found, missing;
    for (const Need& need : needs_) {
        QString at;
        for (std::uint8_t a : need.addresses)
            for (std::uint8_t b : answered_)
                if (a == b)
                    at += (at.isEmpty() ? QString() : QStringLiteral(", ")) + hex2(a);
        if (at.isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(need.chip, need.addresses.size() == 1 ? hex2(need.addresses[0])
                                                                                           : tr("20 to 27 or 38 to 3f"));
        else
            //: A chip and the addresses (hexadecimal) at which it answered.
            found << tr("%1 at %2").arg(need.chip, at);
    }
    stage_ = Stage::Done;
    if (missing.isEmpty()) {
        passed_ = true;
        // The scan waited the settle measured; the program waits the one that applies.
        const QString chips = found.join(QStringLiteral(", "));
        if (*measured_ > settle_)
            line(tr("Verdict: ready: %1 answered but with the settle that applies (%2 µs) the programs would read too early: "
                    "keep the measured one (--check --remember).")
                     .arg(chips, QString::number(settle_.count())));
        else
            line(tr("Verdict: ready: %1 answered.").arg(chips));
        return;
    }
    const QString advice = answered_.empty()
                               ? tr("nothing answered; check the board's power and that the chips sit in their sockets")
                               : tr("other addresses answered; check the chip type and its address pins");
    const QString absent = missing.join(QStringLiteral(", "));
    if (found.isEmpty())
        line(tr("Verdict: not ready: %1 did not answer; %2.").arg(absent, advice));
    else
        line(tr("Verdict: not ready: %1 answered, %2 did not answer; %3.")
                 .arg(found.join(QStringLiteral(", ")), absent, advice));
}
