// The buckling plots of the batch command: the files they write, and what
// it does when the load case does not buckle or the analysis is not asked.
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "buckling/BucklingAnalysis.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/ModelRows.h"
#include "support/TestFolder.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace venkar {
namespace {

namespace fs = std::filesystem;

// A cylinder r = 100, t = 1, L = 200 (ν = 0, ends held radially) under an
// axial line load at its top: pressed for a negative load, pulled for a
// positive one. Written as zylinder.vsy and zylinder.vla into `folder`.
void writeCylinder(const fs::path& folder, double load) {
    Model model;
    test::addMaterial(model, 2e5, 1.0, 0.0);
    const int shell = test::addShellWithNodes(model, 100.0, 0.0, 100.0, 200.0);
    model.shells.row(shell).discretisationFactor = 0.5;
    model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
    model.nodes.row(1).supportR = 1;
    test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = load});
    ASSERT_TRUE(
        writeTextFileAtomically((folder / "zylinder.vsy").string(), writeSystemText(model)));
    ASSERT_TRUE(writeTextFileAtomically((folder / "zylinder.vla").string(), writeLoadText(model)));
}

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Outcome runIn(const fs::path& folder, std::vector<std::string> arguments) {
    arguments.push_back((folder / "zylinder.vsy").string());
    arguments.push_back((folder / "zylinder.vla").string());
    std::ostringstream out;
    std::ostringstream err;
    const int code = runBatch(parseBatchOptions(arguments), out, err);
    return {code, out.str(), err.str()};
}

TEST(BucklingPlots, BothPlotsForAPressedCylinderNoneWhenNothingBuckles) {
    struct Case {
        double load;
        bool buckles;
    };
    for (const Case c : {Case{-1.0, true}, Case{1.0, false}}) {
        const fs::path folder = test::freshTestFolder("venkar-buckling-plots");
        writeCylinder(folder, c.load);
        const Outcome run = runIn(folder, {"--buckling", "--buckling-harmonics", "0-6", "--plot",
                                           "beulform", "--plot", "beulkurve", "--out-dir",
                                           (folder / "grafik").string(), "--size", "400x300"});
        EXPECT_EQ(run.exitCode, exitSuccess) << run.err;
        for (const char* name : {"zylinder-beulform.png", "zylinder-beulkurve.png"}) {
            const fs::path file = folder / "grafik" / name;
            EXPECT_EQ(fs::exists(file), c.buckles) << name;
            if (c.buckles) {
                const QImage image(QString::fromStdString(file.string()));
                EXPECT_EQ(image.size(), QSize(400, 300)) << name;
            }
        }
        const std::string message = std::string(noCompressionMessage) + "\n";
        EXPECT_EQ(run.err.find(message) != std::string::npos, !c.buckles) << run.err;
        fs::remove_all(folder);
    }
}

TEST(BucklingPlots, NeedTheAnalysisAndStayOutOfAll) {
    const BatchOptions both = parseBatchOptions(
        {"--buckling", "--plot", "beulkurve", "--plot", "beulform", "--out-dir", "p", "t.vsy"});
    EXPECT_EQ(both.plot->bucklingPlots,
              (std::vector<BucklingPlot>{BucklingPlot::Curve, BucklingPlot::Mode}));
    EXPECT_TRUE(both.plot->tabs.empty());
    EXPECT_EQ(plotDirectoryFile("p", "d/silo.vsy", BucklingPlot::Mode), "p/silo-beulform.png");
    EXPECT_EQ(parseBatchOptions({"--buckling", "--plot", "all", "--out-dir", "p", "t.vsy"})
                  .plot->bucklingPlots.size(),
              0u);
    try {
        parseBatchOptions({"--plot", "beulform", "--out", "b.png", "t.vsy"});
        ADD_FAILURE() << "beulform without --buckling";
    } catch (const UsageError& error) {
        EXPECT_STREQ(error.what(), "Die Grafik beulform braucht --buckling.");
    }
    // One file takes one plot, whichever kind.
    EXPECT_THROW(parseBatchOptions({"--buckling", "--plot", "beulform", "--plot", "0", "--out",
                                    "b.png", "t.vsy"}),
                 UsageError);
}

} // namespace
} // namespace venkar
