#include "PictureProbe.h"
#include "support/ModelRows.h"

#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace venkar;
using namespace venkar::test;

namespace {

Model example(const std::string& system, const std::string& load) {
    const std::string folder = std::string(VENKAR_EXAMPLES_DIR) + "/";
    Model model;
    readSystemText(model, readTextFile(folder + system).value());
    readLoadText(model, readTextFile(folder + load).value());
    return model;
}

bool sameLines(const Picture& a, const Picture& b) {
    const std::vector<DrawnLine> x = drawnLines(a);
    const std::vector<DrawnLine> y = drawnLines(b);
    if (a.commands().size() != b.commands().size() || x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i].start.x != y[i].start.x || x[i].start.y != y[i].start.y ||
            x[i].end.x != y[i].end.x || x[i].end.y != y[i].end.y || x[i].colour != y[i].colour ||
            x[i].width != y[i].width)
            return false;
    return true;
}

struct SurfaceColour : GraphSettings {
    SurfaceColour() { values.loads.surfaceLoadColour = 0x000707; }
};

} // namespace

// A wall from (10, 0) down to (10, 4), its outside facing +r: wind with
// c_p linear from 1 (windward) to -1 (leeward), and a harmonic normal load
// ∝ cos 2φ, each drawn on the meridian of the angle with the surface-load
// symbols — pressure outside, suction inside, nothing where the load is 0 —
// and the largest ordinate the usual tenth of the reference length.
TEST(MeridianLoads, WindAndHarmonicLoadsAreDrawnOnTheMeridianOfTheAngle) {
    struct Case {
        bool wind;
        double angle;
        int side; // +1 outside the wall, -1 inside, 0 nothing drawn
    };
    const Case cases[] = {
        {true, 0, +1},  {true, 45, +1}, {true, -45, +1}, {true, 90, 0},   {true, 180, -1},
        {false, 0, +1}, {false, 45, 0}, {false, 90, -1}, {false, 30, +1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.wind ? "wind " : "cos 2phi ") << c.angle);
        Model model;
        addMaterial(model, 3e7, 0.2, 0.2);
        addShellWithNodes(model, 10, 0, 10, 4);
        if (c.wind) {
            addRow(model.windLoads,
                   WindLoadRecord{.shell = 1, .pressureStart = 2, .pressureEnd = 2});
            addRow(model.windCoefficients, WindCoefficientRecord{.angle = 0, .coefficient = 1});
            addRow(model.windCoefficients, WindCoefficientRecord{.angle = 180, .coefficient = -1});
        } else {
            // A positive normal load acts along the normal, -r here: towards
            // the axis, drawn from the outside as a pressure.
            addRow(model.harmonicLoads,
                   HarmonicLoadRecord{.shell = 1, .harmonic = 2, .normalStart = 3, .normalEnd = 3});
        }
        SurfaceColour settings;
        GraphView view(model, settings);
        view.setAngle(c.angle);
        const double h = view.referenceLength();
        const auto lines = linesWithPen(view.picture(), 0x000707, 0.001 * h);
        if (c.side == 0) {
            EXPECT_TRUE(lines.empty());
            continue;
        }
        ASSERT_FALSE(lines.empty());
        const BoundingBox box = boxOf(lines);
        const double gap = 0.02 * h;
        if (c.side > 0) {
            EXPECT_NEAR(box.minX, 10 + gap, 1e-9 * h);
        } else {
            EXPECT_NEAR(box.maxX, 10 - gap, 1e-9 * h);
        }
        // The one loaded shell carries the largest load: its ordinate is
        // 0.1 h whatever the amplitude at this angle.
        EXPECT_NEAR(box.width(), 0.1 * h, 1e-9 * h);
    }
}

// The wind tank's picture shows its wind and changes with the angle; the
// examples without loads around the circumference draw the same at every
// angle.
TEST(MeridianLoads, TheWindExampleShowsItsWindAndTheOldExamplesDoNotChange) {
    const GraphSettings settings;
    Model wind = example("windtank.vsy", "windtank.vla");
    GraphView windward(wind, settings);
    Model calm = wind;
    calm.windLoads.clearAll();
    calm.windCoefficients.clearAll();
    GraphView without(calm, settings);
    EXPECT_FALSE(sameLines(windward.picture(), without.picture()));
    GraphView across(wind, settings);
    across.setAngle(90);
    EXPECT_FALSE(sameLines(windward.picture(), across.picture()));

    for (const auto& [system, load] :
         {std::pair{"wassertank.vsy", "wassertank.vla"},
          std::pair{"kuehlturm.vsy", "kuehlturm.vla"}, std::pair{"kuppel.vsy", "kuppel.vla"},
          std::pair{"druckbehaelter.vsy", "druckbehaelter.vla"},
          std::pair{"silo.vsy", "silo.vla"}}) {
        SCOPED_TRACE(system);
        const Model model = example(system, load);
        GraphView at0(model, settings);
        GraphView at90(model, settings);
        at90.setAngle(90);
        EXPECT_TRUE(sameLines(at0.picture(), at90.picture()));
    }
}
