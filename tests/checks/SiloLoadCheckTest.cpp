#include "checks/LoadCheck.h"
#include "support/SiloModel.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

// Each unreasonable silo, hopper or patch value is a fault on its own page, row and
// grid column.
TEST(SiloLoadCheck, UnreasonableValuesAreFaultsWithTableRowAndColumn) {
    struct Case {
        const char* what;
        void (*spoil)(Model&);
        InputPage page;
        int column;
    };
    const Case cases[] = {
        {"K = 0", [](Model& m) { m.siloLoads.row(0).pressureRatio = 0.0; }, InputPage::SiloLoads,
         4},
        {"mu < 0", [](Model& m) { m.siloLoads.row(0).wallFriction = -0.1; }, InputPage::SiloLoads,
         5},
        {"surface below the top shell", [](Model& m) { m.siloLoads.row(0).surfaceDepth = 3.0; },
         InputPage::SiloLoads, 6},
        {"state 3", [](Model& m) { m.siloLoads.row(0).state = 3; }, InputPage::SiloLoads, 7},
        {"wall not one chain", [](Model& m) { m.shells.row(2).startNode = 2; },
         InputPage::SiloLoads, 1},
        {"hopper into the wall", [](Model& m) { m.hopperLoads.row(0).fromShell = 4; },
         InputPage::HopperLoads, 1},
        {"mu_h = 0", [](Model& m) { m.hopperLoads.row(0).hopperFriction = 0.0; },
         InputPage::HopperLoads, 3},
        {"C_b below 1", [](Model& m) { m.hopperLoads.row(0).bottomMagnifier = 0.8; },
         InputPage::HopperLoads, 5},
        {"phi_i below the wall friction angle, discharge",
         [](Model& m) {
             m.siloLoads.row(0).state = 2;
             m.hopperLoads.row(0).internalFriction = 10.0;
         },
         InputPage::HopperLoads, 6},
        {"patch on an undefined silo row", [](Model& m) { m.siloPatches.row(0).siloRow = 2; },
         InputPage::SiloPatches, 1},
        {"z_p < 0", [](Model& m) { m.siloPatches.row(0).patchDepth = -1.0; },
         InputPage::SiloPatches, 2},
        {"band beyond the transition", [](Model& m) { m.siloPatches.row(0).patchDepth = 9.7; },
         InputPage::SiloPatches, 2},
        {"band above the surface",
         [](Model& m) {
             m.siloLoads.row(0).surfaceDepth = -1.0;
             m.siloPatches.row(0).patchDepth = 0.3;
         },
         InputPage::SiloPatches, 2},
        {"C_op < 0", [](Model& m) { m.siloPatches.row(0).patchFactor = -0.5; },
         InputPage::SiloPatches, 3},
        {"e_f beyond the radius", [](Model& m) { m.siloPatches.row(0).eccentricity = 2.5; },
         InputPage::SiloPatches, 4},
    };
    for (const Case& c : cases) {
        Model model;
        test::buildSilo(model, {});
        test::addRow(model.siloLoads, test::siloLoad(4));
        test::addRow(model.hopperLoads, test::hopperLoad(4));
        test::addRow(model.siloPatches,
                     SiloPatchRecord{
                         .siloRow = 1, .patchDepth = 9.6, .patchFactor = 1.0, .eccentricity = 2.0});
        ASSERT_FALSE(checkLoad(model).has_value());
        c.spoil(model);
        const std::optional<InputFault> fault = checkLoad(model);
        ASSERT_TRUE(fault.has_value()) << c.what;
        EXPECT_EQ(fault->page, c.page) << c.what;
        EXPECT_EQ(fault->row, 0) << c.what;
        EXPECT_EQ(fault->column, c.column) << c.what << ": " << fault->message;
    }
}

} // namespace
} // namespace venkar
