#include "checks/SystemCheck.h"
#include "model/ModelFiles.h"

#include "CheckExpectations.h"

#include <gtest/gtest.h>

#include <limits>

using namespace venkar;
using namespace venkar::test;

namespace {
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
} // namespace

TEST(SystemCheck, SoundSystemPasses) {
    Model model;
    EXPECT_TRUE(noFault(checkSystem(model)));
    addCylinder(model);
    addRow(model.hinges, HingeRecord{1, 0.5, 0, 0, 1});
    addRow(model.rings, RingRecord{2, 0.1, 0.01, 3e7, 0, 0});
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, ShellReferencesMustNameDefinedNodesAndMaterial) {
    Model model;
    addCylinder(model);
    model.shells.row(0).startNode = 3;
    model.shells.row(0).material = 2;
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 0, 1,
                        "Der erste Knoten ist nicht definiert !"));
    model.shells.row(0).startNode = 1;
    model.shells.row(0).endNode = 0;
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 0, 2,
                        "Der zweite Knoten ist nicht definiert !"));
    model.shells.row(0).endNode = 2;
    EXPECT_TRUE(
        isFault(checkSystem(model), InputPage::Shells, 0, 3, "Material ist nicht definiert !"));
}

TEST(SystemCheck, ShellBetweenTwoNodesAtOnePlaceHasNoLength) {
    Model model;
    addCylinder(model);
    addShellWithNodes(model, 3, 1, 3, 1);
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 1, 2, "Schalenlänge ist Null !"));
}

TEST(SystemCheck, ArcBulgingAcrossTheAxisIsRefused) {
    Model model;
    addCylinder(model);
    addShellWithNodes(model, 0.1, 0, 0.1, 2, -2.0);
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 1, 1,
                        "Ein Teil der Schale hat negative R-Koordinate !"));
    model.shells.setCell(1, 4, 2.0); // bulging outwards instead
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, ShellOnTheAxisIsRefusedWithinATolerance) {
    const auto checkLine = [](double endR) {
        Model model;
        addCylinder(model);
        addShellWithNodes(model, 0, 0, endR, 5);
        return checkSystem(model);
    };
    const char* onAxis = "Schale liegt an der Symetrieachse !";
    EXPECT_TRUE(isFault(checkLine(0.0), InputPage::Shells, 1, 1, onAxis));
    EXPECT_TRUE(isFault(checkLine(1e-11), InputPage::Shells, 1, 1, onAxis));
    EXPECT_TRUE(noFault(checkLine(1e-9)));
    EXPECT_TRUE(noFault(checkLine(1.0)));
}

TEST(SystemCheck, MaterialFaultsAreReportedOnTheMaterialRow) {
    struct Case {
        double MatRecord::*field;
        double value;
        int column;
        const char* message;
    };
    const Case cases[] = {
        {&MatRecord::youngsModulus, 0.0, 1, "Ungültiger E-Modul !"},
        {&MatRecord::wallThickness, -0.1, 2, "Ungültige Wanddicke !"},
        {&MatRecord::poissonRatio, 0.5000001, 3, "Ungültige Querkontraktionszahl !"},
        {&MatRecord::poissonRatio, -0.1, 3, "Ungültige Querkontraktionszahl !"},
        {&MatRecord::specificWeight, -1.0, 4, "Ungültiges spezifisches Gewicht !"},
        {&MatRecord::beddingModulus, -1.0, 5, "Ungültige Bettungskonstante !"},
        {&MatRecord::thermalCoefficient, -1e-5, 6, "Ungültige Temperaturausdehnung !"},
    };
    for (const Case& c : cases) {
        Model model;
        addCylinder(model);
        addRow(model.materials, MatRecord{2e8, 0.1, 0.5, 0.0, 0.0, 0.0});
        model.shells.row(0).material = 2;
        EXPECT_TRUE(noFault(checkSystem(model))); // a Poisson ratio of 0.5 is accepted
        model.materials.row(1).*c.field = c.value;
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Materials, 1, c.column, c.message));
    }
}

TEST(SystemCheck, RadiusShorterThanHalfTheChordIsRefused) {
    Model model;
    addCylinder(model);
    addShellWithNodes(model, 1, 0, 1, 2, 0.99);
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 1, 5, "Zu kleiner Radius !"));
    model.shells.setCell(1, 4, -1.0);
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, DiscretisationFactorMustBeAFiniteNumberNotBelowZero) {
    for (double factor : {-1.0, nan, inf}) {
        Model model;
        addCylinder(model);
        model.shells.row(0).discretisationFactor = factor;
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 0, 6,
                            "Ungültiger Diskretisierungsfaktor !"));
    }
    Model model;
    addCylinder(model);
    model.shells.row(0).discretisationFactor = 0.0; // counts as 1
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, IntervalsAreLimitedSoTheReportsStayFinite) {
    Model model;
    addCylinder(model);
    model.shells.row(0).intervals = maxShellIntervals;
    EXPECT_TRUE(noFault(checkSystem(model)));
    model.shells.row(0).intervals = maxShellIntervals + 1;
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 0, 7, "Zu viele Intervalle !"));
}

TEST(SystemCheck, HingesNeedTheirShellAndTheirOwnPlace) {
    Model model;
    addCylinder(model);
    addShellWithNodes(model, 10, 5, 10, 10);
    addShellWithNodes(model, 10, 10, 10, 15);
    addRow(model.hinges, HingeRecord{2, 0.5, 1, 0, 0});
    addRow(model.hinges, HingeRecord{3, 0.5, 1, 0, 0}); // other shell, same place
    addRow(model.hinges, HingeRecord{3, 0.25, 0, 0, 1});
    EXPECT_TRUE(noFault(checkSystem(model)));

    addRow(model.hinges, HingeRecord{3, 0.5, 0, 1, 0});
    EXPECT_TRUE(
        isFault(checkSystem(model), InputPage::Hinges, 1, 2, "Zwei Gelenke liegen übereinander !"));

    addRow(model.hinges, HingeRecord{4, 0.5, 0, 1, 0}); // before the pairs are compared
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Hinges, 4, 1, "Schale nicht definiert !"));
}

TEST(SystemCheck, HingePositionsFromAFileMustLieOnTheShell) {
    for (double x : {-0.2, 1.5}) {
        Model model;
        addCylinder(model);
        addRow(model.hinges, HingeRecord{1, x, 0, 0, 1});
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Hinges, 0, 2,
                            "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !"));
    }
    Model model;
    addCylinder(model);
    addRow(model.hinges, HingeRecord{1, 1.0, 0, 0, 1});
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, RingBeamFaultsKeepTheirLeadingBlank) {
    struct Case {
        RingRecord ring;
        int column;
        const char* message;
    };
    const Case cases[] = {
        {{7, 1, 1, 1, 0, 0}, 1, " Der Knoten ist nicht definiert !"},
        {{3, 1, 1, 1, 0, 0}, 1, " Knoten liegt an der Symetrieachse !"},
        {{2, 0, 1, 1, 0, 0}, 2, " Ungültige Querschnittsfläche !"},
        {{2, 1, -1, 1, 0, 0}, 3, " Ungültiges Flächenträgheitsmoment !"},
        {{2, 1, 1, 0, 0, 0}, 4, " Ungültiger E-Modul !"},
    };
    for (const Case& c : cases) {
        Model model;
        addCylinder(model);
        addNode(model, 0, 0); // node 3, on the axis
        addRow(model.rings, RingRecord{2, 1, 1, 1, 0, 0});
        addRow(model.rings, c.ring);
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Rings, 1, c.column, c.message));
    }
    Model model;
    addCylinder(model);
    addNode(model, 1e-12, 0); // not exactly on the axis: accepted
    addRow(model.rings, RingRecord{3, 1, 1, 1, 0, 0});
    EXPECT_TRUE(noFault(checkSystem(model)));
}

TEST(SystemCheck, NumbersThatAreNotFiniteAreRefusedWhereTheyStand) {
    const char* invalid = "Ungültige Zahl !";
    {
        Model model;
        addCylinder(model);
        model.nodes.row(1).z = nan;
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Nodes, 1, 2, invalid));
        model.nodes.row(1).z = 5;
        model.nodes.row(0).skewAngle = -inf;
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Nodes, 0, 6, invalid));
    }
    {
        Model model;
        addCylinder(model);
        model.shells.row(0).radius = inf;
        model.shells.row(0).startNode = 9; // the row's numbers come first
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 0, 5, invalid));
    }
    {
        Model model;
        addCylinder(model);
        model.materials.row(0).thermalCoefficient = nan; // would pass the test for < 0
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Materials, 0, 6, invalid));
    }
    {
        Model model;
        addCylinder(model);
        addRow(model.hinges, HingeRecord{1, nan, 1, 0, 0});
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Hinges, 0, 2, invalid));
    }
    {
        Model model;
        addCylinder(model);
        addRow(model.rings, RingRecord{2, inf, 1, 1, 0, 0}); // would pass the test for > 0
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Rings, 0, 2, invalid));
        model.rings.row(0).area = 1;
        const int lonely = addNode(model, nan, 1);
        model.rings.row(0).node = lonely;
        EXPECT_TRUE(isFault(checkSystem(model), InputPage::Nodes, lonely - 1, 1, invalid));
    }
}

TEST(SystemCheck, NumbersFromAFileAreCheckedToo) {
    Model model;
    readSystemText(model,
                   "NODES\n2\n"
                   "    1 1.0e+01 0.0e+00 1 1 1 0.0e+00\n"
                   "    2 1.0e+01 inf 0 0 0 0.0e+00\n\n"
                   "SHELLS\n1\n    1 1 2 0 0.0e+00 1 1.0e+00 5\n\n"
                   "MATERIALS\n1\n    1 3.0e+07 2.0e-01 2.0e-01 2.5e+01 0.0e+00 1.0e-05\n\n");
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Nodes, 1, 2, "Ungültige Zahl !"));
}

TEST(SystemCheck, FirstFaultInTableAndRowOrderWins) {
    Model model;
    addCylinder(model);
    addShellWithNodes(model, 0, 0, 0, 5);                 // shell 2: on the axis
    addRow(model.hinges, HingeRecord{9, 0.5, 1, 0, 0});   // undefined shell
    addRow(model.rings, RingRecord{9, 1, 1, 1, 0, 0});    // undefined node
    model.shells.rowAt(3) = ShellRecord{.startNode = 99}; // not defined: ignored
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Shells, 1, 1,
                        "Schale liegt an der Symetrieachse !"));

    model.shells.changeValid(1, 0, rowUndefined);
    EXPECT_TRUE(isFault(checkSystem(model), InputPage::Hinges, 0, 1, "Schale nicht definiert !"));

    model.hinges.changeValid(0, 0, rowUndefined);
    EXPECT_TRUE(
        isFault(checkSystem(model), InputPage::Rings, 0, 1, " Der Knoten ist nicht definiert !"));

    // Within a shell the material tests come after the geometry tests.
    Model other;
    addCylinder(other);
    other.materials.row(0).youngsModulus = -1;
    addShellWithNodes(other, 0, 0, 0, 5);
    other.shells.row(0).startNode = 9;
    EXPECT_TRUE(isFault(checkSystem(other), InputPage::Shells, 0, 1,
                        "Der erste Knoten ist nicht definiert !"));
    other.shells.row(0).startNode = 3;
    other.shells.row(0).endNode = 4;
    EXPECT_TRUE(isFault(checkSystem(other), InputPage::Shells, 0, 1,
                        "Schale liegt an der Symetrieachse !"));
}
