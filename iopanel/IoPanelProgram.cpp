#include "IoPanelWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int Pins = 8;

// A panel's eight lamps, D7 to D0 as they stand, named by the panel, its chip and the address
// it uses when the plot opens (its box shows none until one is chosen).
void addPanel(Readings& r, int panel, const QRadioButton* pcf8574, std::uint8_t address,
              const forms::ControlArray<QLabel>& lit)
{
    const QString chip = pcf8574->isChecked() ? QStringLiteral("PCF8574") : QStringLiteral("PCF8574A");
    const int write = address & 0xFE;
    for (int pin = Pins - 1; pin >= 0; --pin)
        r.series.push_back(Series::digital(QStringLiteral("#%1 %2 0x%3 D%4").arg(panel).arg(chip).arg(QStringLiteral("%1").arg(write, 2, 16, QLatin1Char('0')).toUpper()).arg(pin)));
    auto before = std::move(r.read);
    r.read = [before, &lit] {
        std::vector<double> values = before ? before() : std::vector<double>{};
        for (int pin = Pins - 1; pin >= 0; --pin)
            values.push_back(!lit(pin)->isHidden());
        return values;
    };
}

Readings readings(IoPanelWindow& window)
{
    Readings r;
    addPanel(r, 1, window.Option2(0), window.Addr1, window.Image1);
    addPanel(r, 2, window.Option4(0), window.Addr2, window.Image3);
    return r;
}

} // namespace

const Program& ioPanelProgram()
{
    static const Program entry = programEntry<IoPanelWindow>("iopanel", &experiments::expanderBoard, &readings, true);
    return entry;
}
