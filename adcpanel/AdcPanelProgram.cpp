#include "AdcPanelWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "NumberText.h"
#include "NumericText.h"

#include <QLineEdit>

namespace {

// The four inputs as the boxes show them, and the output as the window reads its box (a typed
// number, a period its decimal point).
Readings readings(AdcPanelWindow& window)
{
    Readings r;
    for (int n = 0; n < 4; ++n)
        r.series.push_back(Series::analog(QStringLiteral("AIN%1").arg(n), QStringLiteral("V"), 0, 5));
    r.series.push_back(Series::analog(QStringLiteral("AOUT"), QStringLiteral("V"), 0, 5));
    r.read = [&window] {
        std::vector<double> values;
        for (QLineEdit* box : {window.Text1, window.Text2, window.Text3, window.Text4})
            values.push_back(forms::shownNumber(box->text()));
        values.push_back(forms::numericValue(window.Text5->text()));
        return values;
    };
    return r;
}

} // namespace

const Program& adcPanelProgram()
{
    static const Program entry = programEntry<AdcPanelWindow>("adcpanel", &experiments::converterBoard, &readings);
    return entry;
}
