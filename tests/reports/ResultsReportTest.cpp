#include "reports/ResultsReport.h"
#include "analysis/AnalysisTestSupport.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "reports/ReportHead.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace venkar;
using namespace venkar::test;

namespace {

// A cylinder r = 5 from z = 0 to z = 4, clamped at its lower node 1, pulled
// outwards at the free node 2, with an unused but supported node 3.
class ResultsReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        addShellWithNodes(model, 5.0, 4.0, 5.0, 0.0);
        addMaterial(model, 3e7, 0.2, 0.2);
        support(model, 1, true, true, true);
        addNode(model, 2.0, 0.0);
        support(model, 3, true, false, false);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadR = 1.0});
    }

    std::string report() {
        RecordingStatus status;
        RecordingMessages messages;
        EXPECT_TRUE(calculate(model, analysis, status, messages)) << messages.errors.size();
        return writeResultsReport(analysis.results, ReportHead{});
    }

    static std::size_t occurrences(const std::string& text, const std::string& part) {
        std::size_t count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    Model model;
    AnalysisModel analysis;
};

} // namespace

TEST_F(ResultsReportTest, OneIntervalGivesNoShellDisplacementsAndTwoSectionRows) {
    const std::string text = report();
    EXPECT_EQ(text.find("Verschiebung der Schale"), std::string::npos);
    const auto table = text.find("Schnittkräfte der Schale   1 in 1/1   Punkten");
    ASSERT_NE(table, std::string::npos);
    const std::string rest = text.substr(table);
    EXPECT_NE(rest.find("\n  0.000 "), std::string::npos);
    EXPECT_NE(rest.find("\n  1.000 "), std::string::npos);
    EXPECT_EQ(occurrences(rest.substr(0, rest.find("Auflagerkräfte")), "\n  "), 2u);
    // The column titles are cut to seven characters.
    EXPECT_NE(rest.find("  Eps-The  \n"), std::string::npos);
    EXPECT_EQ(text.find("Eps-Theta"), std::string::npos);
}

TEST_F(ResultsReportTest, NodesWithoutAnalysisNodeAreLeftOut) {
    const std::string text = report();
    const std::string displacements =
        text.substr(text.find("Knotenverschiebung"),
                    text.find("Schnittkräfte") - text.find("Knotenverschiebung"));
    EXPECT_NE(displacements.find("\n    1 "), std::string::npos);
    EXPECT_NE(displacements.find("\n    2 "), std::string::npos);
    EXPECT_EQ(displacements.find("\n    3 "), std::string::npos);
    const std::string reactions = text.substr(text.find("Auflagerkräfte"));
    EXPECT_NE(reactions.find("\n    1 "), std::string::npos);
    EXPECT_EQ(reactions.find("\n    3 "), std::string::npos);
    EXPECT_EQ(text.find("Gelenkverschiebungen"), std::string::npos);
    EXPECT_EQ(text.find("Kreisringträger"), std::string::npos);
}

TEST_F(ResultsReportTest, HingeInsideAShellPrintsBothSidesOnOneLine) {
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5, .releaseM = 1});
    const std::string text = report();
    const auto block = text.find("Gelenkverschiebungen");
    ASSERT_NE(block, std::string::npos);
    const std::string lines = text.substr(block, text.find("Schnittkräfte", block) - block);
    EXPECT_EQ(occurrences(lines, "\n     1     0.5000 "), 1u);
    // The line holds the position and two sets of three displacements.
    const std::string line = lines.substr(lines.find("\n     1     0.5000"));
    EXPECT_EQ(occurrences(line.substr(0, line.find('\n', 1)), "e-"), 6u);
}

// The results reports of the example structures, read line by line against
// the report's formats when they were made, guard every block, format and
// number of the calculation.
TEST(ResultsReportExamples, MatchTheirGoldenReports) {
    for (const char* name : {"wassertank", "kuppel", "kuehlturm", "druckbehaelter"}) {
        const std::string examples = VENKAR_EXAMPLES_DIR;
        Model model;
        readSystemText(model, readTextFile(examples + "/" + name + ".vsy").value());
        readLoadText(model, readTextFile(examples + "/" + name + ".vla").value());
        AnalysisModel analysis;
        RecordingStatus status;
        RecordingMessages messages;
        ASSERT_TRUE(calculate(model, analysis, status, messages)) << name;
        ReportHead head;
        head.time.tm_year = 2026 - 1900;
        head.time.tm_mon = 11;
        head.time.tm_mday = 8;
        head.time.tm_hour = 9;
        head.systemPath = std::string("/daten/") + name + ".vsy";
        head.loadPath = std::string("/daten/") + name + ".vla";
        const std::string report = writeResultsReport(analysis.results, head);
        const std::string golden = std::string(VENKAR_SOURCE_DIR) +
                                   "/tests/reports/golden-results/" + name + ".ergebnisse.txt";
        if (std::getenv("VENKAR_UPDATE_GOLDEN"))
            writeTextFileAtomically(golden, report);
        EXPECT_EQ(report, readTextFile(golden).value_or("")) << name;
    }
}
