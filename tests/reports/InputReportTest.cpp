#include "reports/InputReport.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "reports/ReportHead.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace venkar;

namespace {

ReportHead fixedHead(std::string system = "", std::string load = "") {
    ReportHead head;
    head.time.tm_year = 2026 - 1900;
    head.time.tm_mon = 11;
    head.time.tm_mday = 8;
    head.time.tm_hour = 9;
    head.time.tm_min = 5;
    head.time.tm_sec = 7;
    head.systemPath = std::move(system);
    head.loadPath = std::move(load);
    return head;
}

const std::string equalsRule(84, '=');

} // namespace

TEST(InputReport, NodesOnlyModelPrintsTheHeadTheNodeBlockAndTheLoadRule) {
    Model model;
    model.nodes.rowAt(1) = {
        .r = 1.0, .z = -12.5, .supportR = 1, .supportZ = 1, .supportRot = 1, .skewAngle = 30.0};
    model.nodes.rowAt(4) = {.r = 0.000123, .z = 123456.0};
    model.nodes.changeValid(1, 0, rowFromFile);
    model.nodes.changeValid(4, 0, rowFromFile);
    const std::string expected =
        "Venkar - Ausdruck der Eingabewerte\n\n"
        "09:05:07  08.12.2026\n" +
        equalsRule + "\nSystem  : /tmp/a.vsy\nLastfall: \n" + equalsRule +
        "\n\n"
        "============================= System =============================\n"
        "\nKnoten\n"
        "------------------------------------------------------------------\n"
        "         Knotenkoordinaten          Auflager\n"
        "   Nr      r          z          r z R   Schiefstellung (in°)\n"
        "------------------------------------------------------------------\n"
        "    2      1.000     -12.50      J J J           30\n"
        "    5  0.0001230  1.235e+05      N N N            0\n"
        "\n\n"
        "\n========================== Belastungen ===========================\n";
    EXPECT_EQ(writeInputReport(model, fixedHead("/tmp/a.vsy")), expected);
}

TEST(InputReport, SelfWeightWithoutLoadRowsEndsWithTheSelfWeightLine) {
    Model model;
    model.setSelfWeight(1);
    const std::string report = writeInputReport(model, fixedHead());
    EXPECT_TRUE(
        report.ends_with("\n========================== Belastungen ===========================\n"
                         "\nUnter Berücksichtigung des Eigengewichtes\n"));
}

TEST(InputReport, ShellCurvatureAndMaterialColumns) {
    Model model;
    model.shells.rowAt(0) = ShellRecord{};
    model.shells.row(0).curvature = 1;
    model.shells.row(0).radius = 20;
    model.shells.changeValid(0, 0, rowFromFile);
    model.materials.rowAt(0) = {3e7, 0.25, 0.2, 25, 5000, 1e-5};
    model.materials.changeValid(0, 0, rowFromFile);
    const std::string report = writeInputReport(model, fixedHead());
    EXPECT_NE(report.find("    1       0      0      1     Außen      20.00\n"), std::string::npos);
    EXPECT_NE(report.find("    1  3.000e+07     0.2500     0.2000            25.00     5000.\n"),
              std::string::npos);
}

// The reports of the example structures, checked line by line against the
// formats when they were made, guard every block and format.
TEST(InputReport, ExamplesMatchTheirGoldenReports) {
    for (const char* name : {"wassertank", "kuppel", "kuehlturm", "druckbehaelter"}) {
        const std::string examples = VENKAR_EXAMPLES_DIR;
        Model model;
        readSystemText(model, readTextFile(examples + "/" + name + ".vsy").value());
        readLoadText(model, readTextFile(examples + "/" + name + ".vla").value());
        const std::string report =
            writeInputReport(model, fixedHead(std::string("/daten/") + name + ".vsy",
                                              std::string("/daten/") + name + ".vla"));
        const std::string golden =
            std::string(VENKAR_SOURCE_DIR) + "/tests/reports/golden-input/" + name + ".eingabe.txt";
        if (std::getenv("VENKAR_UPDATE_GOLDEN"))
            writeTextFileAtomically(golden, report);
        EXPECT_EQ(report, readTextFile(golden).value_or("")) << name;
    }
}
