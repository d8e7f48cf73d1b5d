#pragma once

#include "graphics/AroundField.h"

namespace venkar {

class Model;
struct HarmonicCase;
struct SettingValues;

// What the views around the circumference show: the quantity and, for the
// plan view, the station whose circle is drawn (a report station: shell
// row and relative position on it).
struct AroundSelection {
    AroundQuantity quantity = AroundQuantity::NPhi;
    int shell = 0;
    double x = 0.5;
};

// Everything a view around the circumference is drawn from; the references
// are not owned and live for the drawing only.
struct AroundViewInput {
    const Model& model;
    const SettingValues& settings;
    const HarmonicCase& harmonicCase;
    AroundSelection selection;
    double textScale = 1.0;
    double functionScale = 1.0;
    // The factor the texts, symbols and pens are drawn with (as
    // PlotContext::annotation).
    double annotation = 1.0;
    bool values = true;   // the "Wertangabe" switch: the value texts of the extremes
    bool extremes = true; // the "Funktionsextrema" switch: their marks
};

// An extreme of a view: its value and where it is.
struct AroundExtreme {
    double value = 0.0;
    double angle = 0.0;    // degrees
    int shell = 0;         // shell row (the developed view)
    double position = 0.0; // relative position on the shell
};

// The report station of shell row `shell` nearest to relative position x
// (x = k/n, n the shell's output intervals, at least 1) with `quantity`.
AroundSelection nearestReportStation(const Model& model, AroundQuantity quantity, int shell,
                                     double x);

// A number in the views' texts: four significant digits ("12.35",
// "-0.001235").
std::string aroundNumber(double value);

} // namespace venkar
