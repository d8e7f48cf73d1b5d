// The plot export of venkar-batch: its options and the real executable.
#include "batch/BatchOptions.h"
#include "graphics/PlotContext.h"
#include "model/TextFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <sys/wait.h>

using namespace venkar;
namespace fs = std::filesystem;

TEST(BatchPlotOptions, TabsByNumberOrShortNameAndAllForTheNine) {
    EXPECT_EQ(plotTabByName("0"), PlotTab::Geometry);
    EXPECT_EQ(plotTabByName("8"), PlotTab::StrainTheta);
    EXPECT_EQ(plotTabByName("M-Phi"), PlotTab::MomentPhi);
    EXPECT_EQ(plotTabByName("eps-theta"), PlotTab::StrainTheta);
    EXPECT_EQ(plotTabByName("9"), std::nullopt);
    EXPECT_EQ(plotTabByName("momente"), std::nullopt);
    EXPECT_STREQ(plotTabShortName(PlotTab::Deformation), "verformung");

    const BatchOptions all = parseBatchOptions({"--plot", "all", "--out-dir", "p", "t.vsy"});
    ASSERT_TRUE(all.plot);
    EXPECT_EQ(all.plot->tabs.size(), 9u);
    EXPECT_EQ(all.plot->width, 1600);
    EXPECT_TRUE(all.hasOutputOption()); // no results report on standard output

    const BatchOptions one = parseBatchOptions(
        {"t.vsy", "--plot", "q-theta", "--out", "q.SVG", "--hide-values", "--show-reactions",
         "--function-scale", "250", "--size", "800x600", "--config", "my.dat"});
    EXPECT_EQ(one.plot->tabs, std::vector<PlotTab>{PlotTab::ShearForceTheta});
    ASSERT_EQ(one.plot->switches.size(), 2u);
    EXPECT_EQ(one.plot->switches[0].displaySwitch, static_cast<unsigned>(ShowValues));
    EXPECT_FALSE(one.plot->switches[0].on);
    EXPECT_EQ(one.plot->switches[1].displaySwitch, static_cast<unsigned>(ShowReactions));
    EXPECT_TRUE(one.plot->switches[1].on);
    EXPECT_DOUBLE_EQ(one.plot->functionScale, 2.5);
    EXPECT_EQ(one.plot->height, 600);
    EXPECT_EQ(one.plot->configFile.value(), "my.dat");
}

TEST(BatchPlotOptions, StressPlotsByNameAndStressesForAllOfThem) {
    EXPECT_EQ(plotTabByName("sigma-vm"), PlotTab::VonMisesStress);
    EXPECT_EQ(plotTabByName("Sigma-VM"), PlotTab::VonMisesStress);
    EXPECT_STREQ(plotTabShortName(PlotTab::VonMisesStress), "sigma-vm");
    EXPECT_EQ(plotDirectoryFile("p", "dir/behaelter.vsy", PlotTab::VonMisesStress),
              "p/behaelter-sigma-vm.png");
    const BatchOptions stresses =
        parseBatchOptions({"--plot", "stresses", "--out-dir", "p", "t.vsy"});
    EXPECT_EQ(stresses.plot->tabs, std::vector<PlotTab>{PlotTab::VonMisesStress});
    // "all" stays the nine tabs of the graph window.
    const BatchOptions all = parseBatchOptions({"--plot", "all", "--out-dir", "p", "t.vsy"});
    EXPECT_EQ(all.plot->tabs, std::vector<PlotTab>(allPlotTabs.begin(), allPlotTabs.end()));
}

TEST(BatchPlotOptions, RefusesPlotsItCannotWrite) {
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "9", "--out", "a.png"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "0"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "all", "--out", "a.png"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "0", "--out", "a.gif"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "0", "--out", "a.png", "--out-dir", "d"}),
                 UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--out", "a.png"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"t.vsy", "--hide-loads"}), UsageError);
    for (const char* size : {"0x100", "100", "100x", "x100", "25000x10", "1e3x10", "-5x5"})
        EXPECT_THROW(parseBatchOptions({"t.vsy", "--plot", "0", "--out", "a.png", "--size", size}),
                     UsageError)
            << size;
    for (const char* percent : {"0", "-10", "abc", "12%", "nan", "inf"})
        EXPECT_THROW(
            parseBatchOptions({"t.vsy", "--plot", "0", "--out", "a.png", "--text-scale", percent}),
            UsageError)
            << percent;
}

namespace {

struct CommandResult {
    int exitCode = -1;
    std::string err;
};

// The width and height in the header of a PNG file; (0, 0) for anything else.
std::pair<int, int> pngSize(const fs::path& file) {
    const std::string bytes = readTextFile(file).value_or("");
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {0, 0};
    auto big = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return static_cast<int>(value);
    };
    return {big(16), big(20)};
}

class BatchPlotTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::freshTestFolder("venkar-plot"); }
    void TearDown() override { fs::remove_all(folder); }

    CommandResult run(const std::string& arguments) const {
        const fs::path err = folder / "stderr.txt";
        const std::string command = std::string(VENKAR_BATCH_EXECUTABLE) + " " + arguments +
                                    " >/dev/null 2>" + err.string() + " </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readTextFile(err).value_or("")};
    }
    static std::string example(const std::string& name) {
        return std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
    }
    std::string file(const std::string& name, const std::string& content) const {
        writeTextFileAtomically(folder / name, content);
        return (folder / name).string();
    }

    fs::path folder;
};

} // namespace

TEST_F(BatchPlotTest, WritesTheNinePlotsOfEveryExample) {
    const char* shortNames[] = {"geometrie", "verformung", "n-phi",   "n-theta",  "m-phi",
                                "m-theta",   "q-theta",    "eps-phi", "eps-theta"};
    for (const char* name : {"wassertank", "kuppel", "kuehlturm"}) {
        const fs::path out = folder / name;
        const CommandResult result =
            run("--plot all --out-dir " + out.string() + " " + example(std::string(name) + ".vsy") +
                " " + example(std::string(name) + ".vla"));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        std::set<std::string> contents;
        for (const char* shortName : shortNames) {
            const fs::path png = out / (std::string(name) + "-" + shortName + ".png");
            EXPECT_EQ(pngSize(png), std::make_pair(1600, 1200)) << png;
            contents.insert(readTextFile(png).value_or(""));
        }
        // Every tab draws something of its own.
        EXPECT_EQ(contents.size(), 9u) << name;
    }
}

TEST_F(BatchPlotTest, EveryPlotCarriesItsTitleWithTheMagnificationOfTheDeformation) {
    const std::string files = example("wassertank.vsy") + " " + example("wassertank.vla");
    for (const char* tab : {"verformung", "m-theta"}) {
        const fs::path svg = folder / (std::string(tab) + ".svg");
        ASSERT_EQ(
            run(std::string("--plot ") + tab + " --out " + svg.string() + " " + files).exitCode, 0);
        const std::string text = readTextFile(svg).value_or("");
        const std::regex heading(tab == std::string("verformung")
                                     ? ">Verformung, [1-9][0-9]*-fach überhöht<"
                                     : ">Momente Theta<");
        EXPECT_TRUE(std::regex_search(text, heading)) << tab;
    }
    // The PNG holds the same line above the picture.
    const fs::path png = folder / "v.png";
    ASSERT_EQ(run("--plot 1 --out " + png.string() + " " + files).exitCode, 0);
    const QImage image(QString::fromStdString(png.string()));
    int dark = 0;
    for (int y = 0; y < image.height() / 30; ++y)
        for (int x = 0; x < image.width() / 3; ++x)
            dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(dark, 200);
}

TEST_F(BatchPlotTest, StressPlotOfTheVesselBesideTheNineTabs) {
    const std::string files = example("druckbehaelter.vsy") + " " + example("druckbehaelter.vla");
    const fs::path stresses = folder / "stresses";
    ASSERT_EQ(run("--plot stresses --out-dir " + stresses.string() + " " + files).exitCode, 0);
    const fs::path vonMises = stresses / "druckbehaelter-sigma-vm.png";
    EXPECT_EQ(pngSize(vonMises), std::make_pair(1600, 1200));
    EXPECT_EQ(std::distance(fs::directory_iterator(stresses), fs::directory_iterator()), 1);

    const fs::path all = folder / "all";
    ASSERT_EQ(run("--plot all --out-dir " + all.string() + " " + files).exitCode, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(all), fs::directory_iterator()), 9);
    EXPECT_FALSE(fs::exists(all / "druckbehaelter-sigma-vm.png"));
    // The stress diagram is a picture of its own, not the N-Phi one again.
    EXPECT_NE(readTextFile(vonMises), readTextFile(all / "druckbehaelter-n-phi.png"));

    const fs::path svg = folder / "vm.svg";
    ASSERT_EQ(run("--plot sigma-vm --out " + svg.string() + " " + files).exitCode, 0);
    EXPECT_NE(readTextFile(svg).value_or("").find("Vergleichsspannung"), std::string::npos);
}

TEST_F(BatchPlotTest, FileTypeFollowsTheExtensionAndTheSizeOption) {
    const std::string files = example("kuppel.vsy") + " " + example("kuppel.vla");
    const fs::path png = folder / "m.png";
    ASSERT_EQ(run("--plot m-phi --size 640x480 --out " + png.string() + " " + files).exitCode, 0);
    EXPECT_EQ(pngSize(png), std::make_pair(640, 480));
    const fs::path svg = folder / "m.svg";
    ASSERT_EQ(run("--plot 4 --out " + svg.string() + " " + files).exitCode, 0);
    EXPECT_NE(readTextFile(svg).value_or("").find("<svg"), std::string::npos);
    const fs::path pdf = folder / "m.pdf";
    ASSERT_EQ(run("--plot 4 --out " + pdf.string() + " " + files).exitCode, 0);
    EXPECT_TRUE(readTextFile(pdf).value_or("").starts_with("%PDF"));
    // A missing folder is created; one that cannot be created is a file error.
    const fs::path deep = folder / "neu" / "tief" / "m.png";
    EXPECT_EQ(run("--plot 4 --out " + deep.string() + " " + files).exitCode, 0);
    EXPECT_TRUE(fs::is_regular_file(deep));
    const std::string blocker = file("datei", "x");
    const CommandResult blocked = run("--plot 4 --out " + blocker + "/m.png " + files);
    EXPECT_EQ(blocked.exitCode, 3);
    EXPECT_NE(blocked.err.find("Fehler beim Anlegen des Ordners " + blocker + ": "),
              std::string::npos)
        << blocked.err;
}

TEST_F(BatchPlotTest, ConfigurationFileSetsTheColoursOfThePlots) {
    // Shells in 0x00123456: red 0x56, green 0x34, blue 0x12.
    const std::string config =
        file("plot.dat", "EinstellungGrafik-EinstellungGeometrieSchalenLinieFarbe = 1193046\n");
    const fs::path svg = folder / "g.svg";
    ASSERT_EQ(
        run("--plot 0 --config " + config + " --out " + svg.string() + " " + example("kuppel.vsy"))
            .exitCode,
        0);
    EXPECT_NE(readTextFile(svg).value_or("").find("#563412"), std::string::npos);
    const fs::path plain = folder / "plain.svg";
    ASSERT_EQ(run("--plot 0 --out " + plain.string() + " " + example("kuppel.vsy")).exitCode, 0);
    EXPECT_EQ(readTextFile(plain).value_or("").find("#563412"), std::string::npos);
    EXPECT_EQ(run("--plot 0 --config " + (folder / "missing.dat").string() + " --out " +
                  svg.string() + " " + example("kuppel.vsy"))
                  .exitCode,
              3);
}

TEST_F(BatchPlotTest, WithoutResultsThePlotsShowModelAndLoadsAndSaySo) {
    // A free cylinder without any support moves: no results.
    const std::string system = file("free.vsy", "NODES\n2\n    1 5.0 0.0 0 0 0 0\n"
                                                "    2 5.0 4.0 0 0 0 0\n\n"
                                                "SHELLS\n1\n    1 1 2 0 0 1 1 2\n\n"
                                                "MATERIALS\n1\n    1 3e7 0.2 0.2 25 0 0\n");
    const std::string load = file("free.vla", "NODELOAD\n1\n    1 2 0 10 0\n");
    const fs::path out = folder / "free";
    const CommandResult result =
        run("--plot all --out-dir " + out.string() + " " + system + " " + load);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("Keine gültigen Ergebnisse"), std::string::npos) << result.err;
    // Geometry and the result tabs alike show the structure with its load;
    // only their titles differ.
    const QImage geometry(QString::fromStdString((out / "free-geometrie.png").string()));
    const QImage moments(QString::fromStdString((out / "free-m-phi.png").string()));
    ASSERT_EQ(geometry.size(), moments.size());
    const int strip = geometry.height() / 20;
    EXPECT_NE(geometry.copy(0, 0, geometry.width(), strip),
              moments.copy(0, 0, moments.width(), strip));
    EXPECT_EQ(geometry.copy(0, strip, geometry.width(), geometry.height() - strip),
              moments.copy(0, strip, moments.width(), moments.height() - strip));

    const CommandResult checked =
        run("--check --plot 0 --out " + (folder / "c.png").string() + " " + system);
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(checked.err.find("Keine gültigen Ergebnisse"), std::string::npos);
    EXPECT_EQ(pngSize(folder / "c.png"), std::make_pair(1600, 1200));
}
