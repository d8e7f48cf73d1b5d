// The diagram value a click on the graph window reports.
#include "FakePlotResults.h"
#include "support/ModelRows.h"

#include "geometry/ShellGeometry.h"
#include "graphics/DiagramStation.h"
#include "model/Model.h"

#include <gtest/gtest.h>

using namespace venkar;
using namespace venkar::test;

namespace {

// A plate from (0, 0) to (10, 0) and a wall from (10, 0) to (10, 10). The
// plate's diagram jumps from 2 to 3 at its middle and changes sign at 0.8;
// the wall's runs -0.1, -0.3686 at 0.35, then 0.5. One model unit of
// ordinate per unit of value.
struct TwoShells {
    Model model;
    FakePlotResults results;

    TwoShells() {
        addMaterial(model, 3e7, 0.1, 0.3);
        addShellWithNodes(model, 0, 0, 10, 0);
        addShellWithNodes(model, 10, 0, 10, 10);
        results.addShell(model, 0, {0.0, 0.5, 1.0}, {{1.0, 2.0}, {3.0, -2.0}});
        results.addShell(model, 1, {0.0, 0.35, 1.0}, {{-0.1, -0.3686}, {-0.3686, 0.5}});
    }
    // The point `part` of the way out along the ordinate of `value` at x.
    Vector2 on(int shell, double x, double value, double part) const {
        return pointAt(model, shell, x, -part * value);
    }
    std::optional<DiagramStation> near(Vector2 p, double roundOff = 0.0, double reach = 0.5) const {
        return nearestStation(model, results, 3, 1.0, roundOff, p, reach);
    }
};

} // namespace

TEST(DiagramStation, TheElementUnderTheClickGivesItsNearerEnd) {
    const TwoShells s;
    struct Case {
        const char* what;
        Vector2 point;
        int shell;
        double position;
        double value;
    };
    const Case cases[] = {
        {"on the wall's ordinate", s.on(1, 0.35, -0.3686, 0.5), 1, 0.35, -0.3686},
        {"before the jump", s.on(0, 0.45, 1.9, 0.5), 0, 0.5, 2.0},
        {"after the jump", s.on(0, 0.55, 2.5, 0.5), 0, 0.5, 3.0},
        {"in the lobe beyond the change of sign", s.on(0, 0.95, -1.5, 0.5), 0, 1.0, -2.0},
        {"beside the outline, within reach", s.on(1, 0.9, 0.38, 1.2), 1, 1.0, 0.5},
    };
    for (const Case& c : cases) {
        const std::optional<DiagramStation> station = s.near(c.point);
        ASSERT_TRUE(station) << c.what;
        EXPECT_EQ(station->shell, c.shell) << c.what;
        EXPECT_DOUBLE_EQ(station->position, c.position) << c.what;
        EXPECT_NEAR(station->value, c.value, 1e-12) << c.what;
        EXPECT_EQ(station->component, 3) << c.what;
    }
    // Far from every diagram: nothing.
    EXPECT_FALSE(s.near({5.0, 6.0}));
    // Round-off counts as zero, as drawn.
    const std::optional<DiagramStation> start = s.near(s.on(1, 0.02, -0.15, 0.3), 0.2);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->value, 0.0);
}

TEST(DiagramStation, TheStatusTextWritesGermanNumbersWithATrueMinus) {
    EXPECT_EQ(stationText({1, 0.35, 3, -0.36859}), "Schale 2, x = 0,35: M-Theta = \u22120,3686");
    EXPECT_EQ(stationText({0, 1.0, 0, 12345.6}), "Schale 1, x = 1: N-Phi = 1,235e+04");
    EXPECT_EQ(stationText({2, 0.0, 6, -0.0}), "Schale 3, x = 0: Eps-Theta = 0");
}
