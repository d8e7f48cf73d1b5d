#include "model/ModelFiles.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

void define(InputContainer& table, int row) {
    table.changeValid(row, 0, rowFromFile);
}

std::string sectionOf(const std::string& text, const std::string& keyword) {
    const auto start = text.find(keyword + "\n");
    const auto end = text.find("\n\n", start);
    return text.substr(start, end + 2 - start);
}

} // namespace

TEST(SystemFile, WritesSectionsInFixedOrderWithExactNumberFormats) {
    Model model;
    model.nodes.rowAt(0) = {.r = 1.5, .z = -2.0, .supportR = 1, .supportRot = 1, .skewAngle = 30};
    model.nodes.rowAt(2) = {.r = 0.0, .z = 1e-3};
    define(model.nodes, 0);
    define(model.nodes, 2);
    const std::string text = writeSystemText(model);
    EXPECT_EQ(text, "NODES\n2\n"
                    "    1 1.50000000000000e+00 -2.00000000000000e+00 1 0 1 3.00000000000000e+01\n"
                    "    3 0.00000000000000e+00 1.00000000000000e-03 0 0 0 0.00000000000000e+00\n"
                    "\n"
                    "SHELLS\n0\n\nMATERIALS\n0\n\nHINGES\n0\n\nRINGS\n0\n\n");
}

TEST(SystemFile, RingBeamsKeepAllDigitsAndWriteAZeroRotationHingeAsBlank) {
    Model model;
    model.rings.rowAt(0) = {3, 0.25, 1.23456789e-4, 3e7, 1, 0};
    model.rings.rowAt(1) = {4, 0.5, 2.0, 2.1e8, 0, 1};
    define(model.rings, 0);
    define(model.rings, 1);
    const std::string text = writeSystemText(model);
    EXPECT_EQ(sectionOf(text, "RINGS"),
              "RINGS\n2\n"
              "    1 3 2.50000000000000e-01 1.23456789000000e-04 3.00000000000000e+07 1 \n"
              "    2 4 5.00000000000000e-01 2.00000000000000e+00 2.10000000000000e+08 0 1\n"
              "\n");

    Model reread;
    readSystemText(reread, text);
    EXPECT_EQ(reread.rings.row(0).inertia, 1.23456789e-4);
    EXPECT_EQ(reread.rings.row(0).hingedRot, 0);
    EXPECT_EQ(reread.rings.row(1).hingedRot, 1);
    EXPECT_EQ(writeSystemText(reread), text);
}

TEST(SystemFile, ReadsTheSixDigitRingFormatOfOlderFiles) {
    Model model;
    readSystemText(model, "RINGS\n1\n    1 2 1.0e-01 1.234568e-04 3.000000e+07 0\n");
    EXPECT_EQ(model.rings.row(0).inertia, 1.234568e-04);
    EXPECT_EQ(model.rings.row(0).modulus, 3e7);
    EXPECT_EQ(model.rings.row(0).hingedRot, 0);
}

TEST(SystemFile, ReadsSectionsInAnyOrderWithGapsTabsAndLowerCaseKeywords) {
    const std::string text = "comment before everything\n"
                             "RINGS\n1\n    1 2 1.0 2.0 3.0 1 1\n\n"
                             "nodes\n3\n"
                             "    5 5.0 0.0 1 1 1 0.0\n"
                             "\t1 1.0 -1.0 0 1 0 45.0   \n"
                             "    2 2.0 0.0 0 0 0 0.0\n\n"
                             "Shells\n1\n    1 1 2 1 3.5 2 0.5 4\n\n"
                             "MATERIALS\n1\n    1 3e7 0.2 0.2 25 0 1e-5\n\n";
    Model model;
    readSystemText(model, text);

    ASSERT_EQ(model.nodes.definedCount(), 3);
    EXPECT_EQ(model.nodes.count(), 5);
    EXPECT_FALSE(model.nodes.isDefined(2));
    EXPECT_EQ(model.nodes.rowState(0), rowFromFile);
    EXPECT_EQ(model.nodes.row(0).z, -1.0);
    EXPECT_EQ(model.nodes.row(0).supportZ, 1);
    EXPECT_EQ(model.nodes.row(0).skewAngle, 45.0);
    EXPECT_EQ(model.nodes.row(4).supportRot, 1);

    const ShellRecord& shell = model.shells.row(0);
    EXPECT_EQ(shell.startNode, 1);
    EXPECT_EQ(shell.endNode, 2);
    EXPECT_EQ(shell.curvature, 1);
    EXPECT_EQ(shell.radius, 3.5);
    EXPECT_EQ(shell.material, 2);
    EXPECT_EQ(shell.discretisationFactor, 0.5);
    EXPECT_EQ(shell.intervals, 4);

    EXPECT_EQ(model.materials.row(0).thermalCoefficient, 1e-5);
    EXPECT_EQ(model.hinges.definedCount(), 0); // missing section: empty table
    EXPECT_EQ(model.rings.row(0).node, 2);

    // Writing gives the canonical form: count 3, rows ascending.
    EXPECT_EQ(sectionOf(writeSystemText(model), "NODES").substr(0, 8), "NODES\n3\n");
}

TEST(SystemFile, ReadingReplacesWhatTheTablesHeld) {
    Model model;
    model.hinges.rowAt(3).shell = 7;
    define(model.hinges, 3);
    readSystemText(model, "NODES\n0\n");
    EXPECT_EQ(model.hinges.count(), 0);
}

TEST(SystemFile, LaterLineForTheSameRowWins) {
    Model model;
    readSystemText(model, "MATERIALS\n2\n    1 1 2 3 4 5 6\n    1 9 8 7 6 5 4\n");
    const MatRecord& m = model.materials.row(0);
    EXPECT_EQ(m.youngsModulus, 9.0);
    EXPECT_EQ(m.wallThickness, 8.0);
    EXPECT_EQ(m.poissonRatio, 7.0);
    EXPECT_EQ(m.thermalCoefficient, 4.0);
}

TEST(SystemFile, CountBeyondTheEndOfTheFileStopsThere) {
    Model model;
    readSystemText(model, "NODES\n2000000000\n    1 1.0 2.0 0 0 0 0\n");
    EXPECT_EQ(model.nodes.definedCount(), 1);
    EXPECT_EQ(model.nodes.count(), 1);
}

TEST(SystemFile, RowNumbersOutsideTheModelAreRefusedWithTheLine) {
    const std::pair<const char*, const char*> badLines[] = {
        {"    0 1.0 2.0 0 0 0 0", "0"}, {"   -4 1.0 2.0 0 0 0 0", "-4"}, {"  abc 1.0", "abc"}};
    for (const auto& [line, token] : badLines) {
        Model model;
        const std::string text = std::string("NODES\n1\n") + line + "\n";
        try {
            readSystemText(model, text, "plate.vsy");
            ADD_FAILURE() << "accepted " << line;
        } catch (const VenkarError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "plate.vsy, Zeile 3 (Abschnitt NODES): Ungültige Zeilennummer \"" +
                          std::string(token) + "\"\n" + line);
        }
    }

    Model model;
    try {
        readSystemText(model, "SHELLS\n1\n1000001 1 2 0 0 1 1 1\n");
        ADD_FAILURE() << "accepted a huge row number";
    } catch (const VenkarError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Zeile 3 (Abschnitt SHELLS): Zeilennummer zu groß \"1000001\" "
                  "(höchstens 1000000)\n"
                  "1000001 1 2 0 0 1 1 1");
    }
    EXPECT_EQ(model.shells.count(), 0);
}

TEST(SystemFile, AnOverlongLineEndsReadingAndKeepsTheRowsReadSoFar) {
    Model model;
    const std::string text = "NODES\n1\n    1 1.0 2.0 0 0 0 0\n\nSHELLS\n2\n    1 1 2 0 0 1 1 1\n" +
                             std::string(200, '1') + "\n";
    EXPECT_THROW(readSystemText(model, text), VenkarError);
    EXPECT_EQ(model.nodes.definedCount(), 1);
    EXPECT_EQ(model.shells.definedCount(), 1);
}

TEST(LoadFile, WritesNodeNumberInFiveColumnsAndSelfWeightAfterTwoEmptyLines) {
    Model model;
    model.nodeLoads.rowAt(0) = {12, 1.0, 0.0, -0.5};
    define(model.nodeLoads, 0);
    model.selfWeight = 1;
    const std::string text = writeLoadText(model);
    EXPECT_EQ(sectionOf(text, "NODELOAD"),
              "NODELOAD\n1\n"
              "    1    12 1.00000000000000e+00 0.00000000000000e+00 -5.00000000000000e-01\n\n");
    EXPECT_TRUE(text.ends_with("TEMPERATURE\n0\n\n\nEIGENGEWICHT\n\n"));

    model.selfWeight = 0;
    EXPECT_TRUE(writeLoadText(model).ends_with("TEMPERATURE\n0\n\n"));
}

TEST(LoadFile, ReadsEveryLoadTableAndSelfWeightAnywhere) {
    const std::string text = "EIGENGEWICHT\n"
                             "TEMPERATURE\n1\n    1 2 3 10.0 -5.0\n\n"
                             "SNOWLOAD\n1\n    2 1 4 0.75\n\n"
                             "WATERLOAD\n1\n    1 1 2 -1.0 10.0\n\n"
                             "CONSTRAINTLOAD\n1\n    1 3 0.01 0.02 0.003\n\n"
                             "POINTLOAD\n1\n    1 2 0.5 1.0 2.0 3.0\n\n"
                             "SHELLLOAD\n1\n    1 1 3 1.0 2.0 3.0 4.0\n\n"
                             "NODELOAD\n1\n    1     4 1.0 2.0 3.0\n\n";
    Model model;
    readLoadText(model, text);
    EXPECT_EQ(model.selfWeight, 1);
    EXPECT_EQ(model.nodeLoads.row(0).node, 4);
    EXPECT_EQ(model.nodeLoads.row(0).loadM, 3.0);
    const ShellLoadRecord& surface = model.shellLoads.row(0);
    EXPECT_EQ(surface.toShell, 3);
    EXPECT_EQ(surface.longitudinalEnd, 4.0);
    EXPECT_EQ(model.pointLoads.row(0).xPosition, 0.5);
    EXPECT_EQ(model.pointLoads.row(0).loadM, 3.0);
    EXPECT_EQ(model.constraintLoads.row(0).dispRot, 0.003);
    EXPECT_EQ(model.waterLoads.row(0).zeroLevel, -1.0);
    EXPECT_EQ(model.waterLoads.row(0).unitWeight, 10.0);
    EXPECT_EQ(model.snowLoads.row(1).toShell, 4);
    EXPECT_FALSE(model.snowLoads.isDefined(0));
    EXPECT_EQ(model.tempLoads.row(0).gradientTemp, -5.0);

    readLoadText(model, "NODELOAD\n0\n");
    EXPECT_EQ(model.selfWeight, 0);
}

TEST(ExampleFiles, ReadThenWriteReproducesEveryExampleByteForByte) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(VENKAR_EXAMPLES_DIR)) {
        const fs::path& path = entry.path();
        const bool isSystem = path.extension() == ".vsy";
        if (!isSystem && path.extension() != ".vla")
            continue;
        ++examples;
        const std::string original = readTextFile(path).value();
        Model model;
        if (isSystem) {
            readSystemText(model, original);
            EXPECT_EQ(writeSystemText(model), original) << path;
        } else {
            readLoadText(model, original);
            EXPECT_EQ(writeLoadText(model), original) << path;
        }
    }
    EXPECT_GE(examples, 6);
}
