#include "LineProbeWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "Shape.h"

namespace {

// The three lamps, top to bottom: lit while their line is asserted.
Readings readings(LineProbeWindow& window)
{
    return {{Series::digital(QStringLiteral("CD")), Series::digital(QStringLiteral("DSR")), Series::digital(QStringLiteral("CTS"))},
            [&window] {
                std::vector<double> values;
                for (const forms::Shape* lamp : {window.Shape2, window.Shape3, window.Shape1})
                    values.push_back(lamp->BackColor() == LineProbeWindow::Asserted);
                return values;
            },
            {}};
}

} // namespace

const Program& lineProbeProgram()
{
    static const Program entry = programEntry<LineProbeWindow>("lineprobe", &experiments::statusInputsBoard, &readings);
    return entry;
}
