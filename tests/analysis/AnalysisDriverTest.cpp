#include "AnalysisTestSupport.h"
#include "model/Error.h"
#include "model/ModelFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace venkar {
namespace {

using test::addNode;
using test::addRow;
using test::RecordingMessages;
using test::RecordingStatus;
using test::support;

// A clamped cylinder under a radial edge load.
void loadedCylinder(Model& model) {
    test::addTestCylinder(model);
    support(model, 2, true, true, true);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AnalysisDriver, SuccessfulRunWalksThePhasesAndEndsWithNoneHighlighted) {
    Model model;
    loadedCylinder(model);
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(calculate(model, analysis, status, messages));
    EXPECT_TRUE(status.started);
    EXPECT_EQ(status.phases, (std::vector<int>{1, 2, 4, 5, 6, 7, 0}));
    EXPECT_EQ(status.finished, "ok");
    EXPECT_EQ(analysis.resultsValid, 1);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(status.count(StatusCount::dofs), 3 * status.count(StatusCount::nodes));
    EXPECT_EQ(status.count(StatusCount::nodes), static_cast<std::int64_t>(analysis.nodes.size()));
    EXPECT_EQ(status.count(StatusCount::elements), analysis.elementCount());
    EXPECT_EQ(status.count(StatusCount::constraints), 3); // the clamped edge
    EXPECT_GT(status.count(StatusCount::bandwidth), 0);
    EXPECT_EQ(status.count(StatusCount::memoryBytes) % 8, 0);
}

TEST(AnalysisDriver, CalculatesOnAConstModelAndLeavesItAsItWas) {
    Model input;
    loadedCylinder(input);
    const Model& model = input;
    const std::string systemBefore = writeSystemText(model);
    const std::string loadBefore = writeLoadText(model);
    const Model copy = model;

    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(calculate(model, analysis, status, messages));
    EXPECT_EQ(writeSystemText(model), systemBefore);
    EXPECT_EQ(writeLoadText(model), loadBefore);

    // A copy calculates to the same bits: no state of an earlier calculation
    // lingers in the input.
    AnalysisModel fromCopy;
    ASSERT_TRUE(calculate(copy, fromCopy, status, messages));
    ASSERT_EQ(fromCopy.dofs.size(), analysis.dofs.size());
    for (int i = 0; i < analysis.dofs.size(); ++i) {
        EXPECT_EQ(fromCopy.dofs[i].value, analysis.dofs[i].value);
        EXPECT_EQ(fromCopy.dofs[i].force, analysis.dofs[i].force);
    }
    EXPECT_EQ(fromCopy.nodeOfRow, analysis.nodeOfRow);
    EXPECT_EQ(fromCopy.firstElementOfShell, analysis.firstElementOfShell);
}

TEST(AnalysisDriver, ContradictoryConstraintsStopAfterTheDofPhase) {
    Model model;
    loadedCylinder(model);
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.01});
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.02});
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    EXPECT_FALSE(calculate(model, analysis, status, messages));
    EXPECT_EQ(status.phases, (std::vector<int>{1, 2}));
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Wiederspruch in der Randbedingungen"});
    EXPECT_EQ(status.finished, "failed");
    EXPECT_EQ(analysis.resultsValid, 0);
}

TEST(AnalysisDriver, AHugeDiscretisationFactorEndsWithTooManyElements) {
    Model model;
    loadedCylinder(model);
    model.shells.row(0).discretisationFactor = 1e12;
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    try {
        calculate(model, analysis, status, messages);
        ADD_FAILURE() << "the calculation ran";
    } catch (const VenkarError& error) {
        EXPECT_TRUE(
            std::string(error.what()).starts_with("Zu viele Elemente (höchstens 1000000) !"));
    }
    EXPECT_EQ(status.finished, "failed");
    EXPECT_EQ(analysis.resultsValid, 0);
}

TEST(AnalysisDriver, UnsupportedStructureIsReportedAsSingular) {
    Model model;
    loadedCylinder(model);
    support(model, 2, false, false, false);
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    EXPECT_FALSE(calculate(model, analysis, status, messages));
    EXPECT_EQ(
        messages.errors,
        std::vector<std::string>{
            "Singuläre Steifigkeitsmatrix !\nMöglicherweise liegt verschiebliches System vor"});
    EXPECT_EQ(status.phases.back(), 6);
    EXPECT_EQ(status.finished, "failed");
}

TEST(AnalysisDriver, PlausibilityFaultStopsBeforeTheStatusIsShown) {
    Model model;
    loadedCylinder(model);
    model.materials.row(0).wallThickness = 0.0;
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    EXPECT_FALSE(calculate(model, analysis, status, messages));
    EXPECT_FALSE(status.started);
    EXPECT_EQ(messages.faults.size(), 1u);
    EXPECT_TRUE(analysis.nodes.empty());
}

TEST(AnalysisDriver, NodeLoadOnANodeWithoutAnalysisNodeIsSkipped) {
    // A defined node that no shell uses has no DOFs: its load must not reach
    // any index, even when no input check keeps it out.
    Model model;
    loadedCylinder(model);
    const int loose = addNode(model, 3.0, 3.0);
    AnalysisModel reference;
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(analyse(model, reference, status, messages));
    addRow(model.nodeLoads, NodeLoadRecord{.node = loose, .loadR = 5.0, .loadZ = 5.0});
    AnalysisModel analysis;
    ASSERT_TRUE(analyse(model, analysis, status, messages));
    EXPECT_EQ(analysis.analysisNode(loose - 1), -1);
    EXPECT_EQ(maximumDisplacement(analysis), maximumDisplacement(reference));
}

TEST(AnalysisDriver, ANewCalculationReplacesTheOldResults) {
    Model model;
    loadedCylinder(model);
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(calculate(model, analysis, status, messages));
    const std::size_t nodes = analysis.nodes.size();
    ASSERT_TRUE(calculate(model, analysis, status, messages));
    EXPECT_EQ(analysis.nodes.size(), nodes);
}

class ExampleCalculation : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleCalculation, CalculatesWithoutError) {
    const std::string base = std::string(VENKAR_EXAMPLES_DIR) + "/" + GetParam();
    Model model;
    readSystemText(model, readFile(base + ".vsy"));
    readLoadText(model, readFile(base + ".vla"));
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;
    EXPECT_TRUE(calculate(model, analysis, status, messages));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(messages.faults.empty());
    EXPECT_GT(maximumDisplacement(analysis), 0.0);
    for (const ShellElement& element : analysis.shellElements)
        for (double value : element.results)
            ASSERT_TRUE(std::isfinite(value));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCalculation,
                         ::testing::Values("kuppel", "wassertank", "kuehlturm"));

} // namespace
} // namespace venkar
