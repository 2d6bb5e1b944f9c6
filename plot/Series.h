#pragma once

#include <QString>

// One quantity a window shows, as a plot and a recording name it: its name, its unit and the
// range it naturally spans.
struct Series {
    enum class Kind {
        Analog,   // a measured value in its unit
        Digital,  // a line or a pin: 0 or 1
        Word,     // a sixteen-bit word, read in hexadecimal
    };
    QString name;
    QString unit;  // "V", "°C"; empty for digital traces and words
    Kind kind = Kind::Analog;
    double low = 0;
    double high = 1;

    static Series analog(QString name, QString unit, double low, double high);
    static Series digital(QString name);
    static Series word(QString name);

    // The column's heading in a recording: the name with its unit, "AIN0 (V)", "CD (0/1)".
    QString heading() const;
    // A value as a recording writes it: a period as the decimal point, words in hexadecimal,
    // nothing for no value.
    QString csvText(double value) const;
    // The name as the plot shows it: in the user's language where it is a word; the recording's
    // heading keeps the name as it is.
    QString shownName() const;
    // A value as a person reads it in the plot, in the locale's own way, with its unit.
    QString readout(double value) const;
};
