#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

using namespace venkar;
using namespace venkar::test;

// The sections of the loads around the circumference follow TEMPERATURE in
// their order, then the harmonic count, then the self weight; each with the
// exact number formats, and everything reads back as written.
TEST(CircumferentialFiles, WriteInTheirOrderAndReadBackAsWritten) {
    Model model;
    addRow(model.windLoads, WindLoadRecord{2, 0.5, 0.75});
    addRow(model.windCoefficients, WindCoefficientRecord{0, 1});
    addRow(model.windCoefficients, WindCoefficientRecord{180, -0.5});
    addRow(model.harmonicLoads, HarmonicLoadRecord{1, 3, 1, 2, 3, 4, 5, 6, 30});
    addRow(model.harmonicNodeLoads, HarmonicNodeLoadRecord{4, 2, 1, 2, 3, 4, 45});
    addRow(model.angleLoads, AngleLoadRecord{4, 90, 10, -100, 5});
    model.setHarmonicCount(120);
    model.setSelfWeight(true);
    const std::string text = writeLoadText(model);
    EXPECT_NE(text.find("TEMPERATURE\n0\n\nWINDLOAD\n1\n    1 2 5.00000000000000e-01 "
                        "7.50000000000000e-01\n\nWINDCOEFFICIENTS\n2\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("ANGLELOAD\n1\n    1 4 9.00000000000000e+01 1.00000000000000e+01 "
                        "-1.00000000000000e+02 5.00000000000000e+00\n\nHARMONICS\n120\n\n\n"
                        "EIGENGEWICHT\n"),
              std::string::npos)
        << text;
    Model again;
    readLoadText(again, text);
    EXPECT_EQ(writeLoadText(again), text);
    EXPECT_EQ(again.harmonicCount(), 120);
    EXPECT_EQ(again.harmonicLoads.row(0).phase, 30.0);

    addRow(model.circumferentialSupports, SupportVRecord{3, 0});
    addRow(model.harmonicRings, HarmonicRingRecord{1, 1e-3, 2e-4, 8e7});
    const std::string system = writeSystemText(model);
    EXPECT_NE(system.find("RINGS\n0\n\nSUPPORTV\n1\n    1 3 0\n\nHARMONICRINGS\n1\n"),
              std::string::npos)
        << system;
    readSystemText(again, system);
    EXPECT_EQ(writeSystemText(again), system);
}

// A file without the new tables writes none of their sections, so that
// the files of every existing load case stay as they were; a file holding
// only them is a load file.
TEST(CircumferentialFiles, EmptyTablesWriteNothingAndAloneMakeALoadFile) {
    Model model;
    EXPECT_EQ(writeLoadText(model).find("WIND"), std::string::npos);
    EXPECT_EQ(writeSystemText(model).find("SUPPORTV"), std::string::npos);
    readLoadText(model, "HARMONICLOAD\n1\n    1 1 2 1 1 0 0 0 0 0\n");
    EXPECT_EQ(model.harmonicLoads.definedCount(), 1);
    EXPECT_TRUE(model.hasHarmonicLoads());
}

TEST(CircumferentialFiles, AHarmonicCountOutsideOneToFourHundredIsRefused) {
    for (const char* count : {"0", "401", "-3", "x", "12 13"}) {
        Model model;
        EXPECT_THROW(readLoadText(model, std::string("NODELOAD\n0\n\nHARMONICS\n") + count + "\n"),
                     VenkarError)
            << count;
    }
}

// The silo sections come after ANGLELOAD, the patch loads directly after
// the hopper loads; they read back as written, and a patch row missing a
// field or carrying one too many is refused.
TEST(CircumferentialFiles, SiloSectionsInTheirOrderAndReadStrictly) {
    Model model;
    addRow(model.angleLoads, AngleLoadRecord{4, 90, 10, -100, 5});
    addRow(model.siloLoads, SiloLoadRecord{1, 4, 9, 0.5, 0.4, 0, 2, 1.15, 1.1, 30});
    addRow(model.hopperLoads, HopperLoadRecord{5, 6, 0.3, 0.2, 1, 36});
    addRow(model.siloPatches, SiloPatchRecord{1, 6.5, 0.5, 0.25});
    const std::string text = writeLoadText(model);
    const std::size_t angle = text.find("ANGLELOAD\n");
    const std::size_t silo = text.find("SILOLOAD\n");
    EXPECT_LT(angle, silo);
    EXPECT_NE(text.find("1.00000000000000e+00 3.60000000000000e+01\n\nSILOPATCH\n1\n"
                        "    1 1 6.50000000000000e+00 5.00000000000000e-01 "
                        "2.50000000000000e-01\n\n"),
              std::string::npos)
        << text;
    Model again;
    readLoadText(again, text);
    EXPECT_EQ(writeLoadText(again), text);
    EXPECT_TRUE(again.hasHarmonicLoads());

    for (const char* row :
         {"    1 1 6.5 0.5\n", "    1 1 6.5 0.5 0.25 7\n", "    1 1.5 6.5 0.5 0.25\n"}) {
        Model refused;
        EXPECT_THROW(readLoadText(refused, std::string("SILOPATCH\n1\n") + row), VenkarError)
            << row;
    }
}
