#include "checks/LoadCheck.h"
#include "checks/SystemCheck.h"

#include "CheckExpectations.h"

#include <gtest/gtest.h>

#include <functional>

using namespace venkar;
using namespace venkar::test;

namespace {

// A cylinder (nodes 1, 2 at r = 10; node 3 unused) with a ring
// beam at its top and a section for it, under a sound wind.
void addWindTank(Model& model) {
    addRow(model.materials, MatRecord{2.1e8, 0.01, 0.3, 78.5, 0.0, 1.2e-5});
    addShell(model, addNode(model, 10, 0), addNode(model, 10, 10));
    addNode(model, 0, 5);
    model.nodes.row(1).supportR = model.nodes.row(1).supportZ = 1;
    addRow(model.rings, RingRecord{1, 0.01, 1e-4, 2.1e8, 0, 0});
    addRow(model.harmonicRings, HarmonicRingRecord{1, 1e-4, 1e-5, 8e7});
    addRow(model.windLoads, WindLoadRecord{1, 0.5, 0.8});
    addRow(model.windCoefficients, WindCoefficientRecord{0, 1.0});
    addRow(model.windCoefficients, WindCoefficientRecord{180, -0.5});
}

struct Case {
    const char* what;
    std::function<void(Model&)> spoil;
    InputPage page;
    int row;
    int column;
    const char* message;
};

} // namespace

TEST(HarmonicLoadCheck, EveryFaultNamesTableRowAndColumn) {
    {
        Model sound;
        addWindTank(sound);
        ASSERT_TRUE(noFault(checkSystem(sound)));
        ASSERT_TRUE(noFault(checkLoad(sound)));
    }
    const Case cases[] = {
        {"wind without coefficients", [](Model& m) { m.windCoefficients.clearAll(); },
         InputPage::WindLoads, 0, 2, "Windlast ohne Druckbeiwerte !"},
        {"wind on an undefined shell", [](Model& m) { m.windLoads.row(0).shell = 7; },
         InputPage::WindLoads, 0, 1, "Die Schale ist nicht definiert !"},
        {"coefficients ending before 180°", [](Model& m) { m.windCoefficients.row(1).angle = 170; },
         InputPage::WindCoefficients, 1, 1, ""},
        {"a ring beam without its section", [](Model& m) { m.harmonicRings.clearAll(); },
         InputPage::Rings, 0, 1,
         "Für Lasten am Umfang fehlen Iz, It und G des Ringträgers (Ringquerschnitt) !"},
        {"a harmonic above 400",
         [](Model& m) { addRow(m.harmonicLoads, HarmonicLoadRecord{.shell = 1, .harmonic = 401}); },
         InputPage::HarmonicLoads, 0, 2, "Die Harmonische n muss zwischen 0 und 400 liegen !"},
        {"a force at one angle on a node nothing is built on",
         [](Model& m) { addRow(m.angleLoads, AngleLoadRecord{.node = 3, .forceR = 1}); },
         InputPage::AngleLoads, 0, 1, "Der Knoten hat keine Verbindung mit der Struktur !"},
        {"a band wider than the circle",
         [](Model& m) { addRow(m.angleLoads, AngleLoadRecord{.node = 1, .width = 400}); },
         InputPage::AngleLoads, 0, 3, "Die Breite muss zwischen 0° und 360° liegen !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Model model;
        addWindTank(model);
        c.spoil(model);
        const std::optional<InputFault> fault = checkLoad(model);
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->page, c.page);
        EXPECT_EQ(fault->row, c.row);
        EXPECT_EQ(fault->column, c.column);
        if (*c.message) {
            EXPECT_EQ(fault->message, c.message);
        }
    }
}

TEST(HarmonicLoadCheck, TheSystemTablesOfTheHarmonicsAreChecked) {
    const Case cases[] = {
        {"a v support on an undefined node",
         [](Model& m) {
             addRow(m.circumferentialSupports, SupportVRecord{9, 1});
         },
         InputPage::CircumferentialSupports, 0, 1, "Der Knoten ist nicht definiert !"},
        {"a v support neither 0 nor 1",
         [](Model& m) {
             addRow(m.circumferentialSupports, SupportVRecord{1, 2});
         },
         InputPage::CircumferentialSupports, 0, 2, "Nur 0 (frei) oder 1 (fest) ist zulässig !"},
        {"a section of an undefined ring", [](Model& m) { m.harmonicRings.row(0).ring = 2; },
         InputPage::HarmonicRings, 0, 1, "Der Ringträger ist nicht definiert !"},
        {"a section without torsion modulus",
         [](Model& m) { m.harmonicRings.row(0).shearModulus = 0; }, InputPage::HarmonicRings, 0, 4,
         " Ungültiger Schubmodul !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Model model;
        addWindTank(model);
        c.spoil(model);
        EXPECT_TRUE(isFault(checkSystem(model), c.page, c.row, c.column, c.message));
    }
}
