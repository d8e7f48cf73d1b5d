#include "batch/BatchOptions.h"
#include "batch/BatchStatus.h"
#include "model/ColumnCaptions.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

using namespace venkar;

TEST(BatchOptions, TakesSystemAndLoadFileWithOutputOptions) {
    const BatchOptions options =
        parseBatchOptions({"--json", "-", "tank.vsy", "--results", "r.txt", "tank.vla", "-v"});
    EXPECT_EQ(options.systemFile, "tank.vsy");
    EXPECT_EQ(options.loadFile, "tank.vla");
    EXPECT_EQ(options.json.value(), "-");
    EXPECT_EQ(options.resultsReport.value(), "r.txt");
    EXPECT_TRUE(options.verbose);
    EXPECT_FALSE(options.checkOnly);
    EXPECT_TRUE(options.hasOutputOption());
}

TEST(BatchOptions, LoadFileIsOptional) {
    const BatchOptions options = parseBatchOptions({"--check", "dome.vsy"});
    EXPECT_TRUE(options.loadFile.empty());
    EXPECT_TRUE(options.checkOnly);
    EXPECT_FALSE(options.hasOutputOption());
    EXPECT_FALSE(options.meshCheck);
}

TEST(BatchOptions, MeshCheckIsNoOutputOption) {
    const BatchOptions options = parseBatchOptions({"--mesh-check", "dome.vsy", "dome.vla"});
    EXPECT_TRUE(options.meshCheck);
    EXPECT_EQ(options.loadFile, "dome.vla");
    // The results report still goes to standard output.
    EXPECT_FALSE(options.hasOutputOption());
}

TEST(BatchOptions, CsvIsAnOutputOptionWithAFile) {
    const BatchOptions options = parseBatchOptions({"--csv", "tank.csv", "tank.vsy"});
    EXPECT_EQ(options.csv.value(), "tank.csv");
    EXPECT_TRUE(options.hasOutputOption());
    EXPECT_EQ(parseBatchOptions({"tank.vsy", "--csv", "-"}).csv.value(), "-");
    EXPECT_THROW(parseBatchOptions({"tank.vsy", "--csv"}), UsageError);
}

TEST(BatchOptions, RefusesWhatItCannotRun) {
    EXPECT_THROW(parseBatchOptions({}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "b.vla", "c"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "--json"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "--unknown"}), UsageError);
    EXPECT_TRUE(parseBatchOptions({"--help"}).help);
}

TEST(BatchOptions, DoubleDashEndsTheOptions) {
    const BatchOptions options = parseBatchOptions({"--check", "--", "-a.vsy", "--help"});
    EXPECT_EQ(options.systemFile, "-a.vsy");
    EXPECT_EQ(options.loadFile, "--help");
    EXPECT_FALSE(options.help);
    EXPECT_TRUE(options.checkOnly);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "--", "b.vla", "--json"}), UsageError);
}

TEST(BatchOptions, AnOutputNamedLikeAnInputKindIsRefusedNamingTheOption) {
    const char* options[] = {"--input-report", "--results", "--json", "--csv"};
    for (const char* option : options) {
        for (const char* target : {"plate.vsy", "sub/Plate.VLA"}) {
            try {
                parseBatchOptions({option, target, "plate.vla"});
                ADD_FAILURE() << option << " " << target;
            } catch (const UsageError& error) {
                EXPECT_EQ(std::string(error.what()),
                          std::string("Die Option ") + option +
                              " schreibt keine System- oder Lastdatei (.vsy, .vla): " + target);
            }
        }
    }
}

TEST(BatchOptions, AnOutputThatIsAnInputThroughAnotherPathIsRefused) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("venkar-options-same-file-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "sub");
    ASSERT_TRUE(writeTextFileAtomically(folder / "tank.vsy", "NODES\n0\n"));
    ASSERT_TRUE(writeTextFileAtomically(folder / "conf.png", ""));
    fs::create_symlink(folder / "tank.vsy", folder / "link.txt");
    const std::string system = (folder / "tank.vsy").string();
    const std::string roundabout = (folder / "sub" / ".." / "tank.vsy").string();
    EXPECT_THROW(parseBatchOptions({"--results", (folder / "link.txt").string(), system}),
                 UsageError);
    EXPECT_THROW(parseBatchOptions({"--json", (folder / "link.txt").string(), roundabout}),
                 UsageError);
    EXPECT_THROW(parseBatchOptions({"--plot", "0", "--config", (folder / "conf.png").string(),
                                    "--out", (folder / "conf.png").string(), system}),
                 UsageError);
    EXPECT_NO_THROW(parseBatchOptions({"--results", (folder / "r.txt").string(), system}));
    fs::remove_all(folder);
}

TEST(BatchStatus, AnInputFaultNamesTheColumnByItsHeader) {
    for (int page = 0; page < 12; ++page)
        EXPECT_STREQ(pageCaption(static_cast<InputPage>(page)),
                     allTableCaptions()[static_cast<std::size_t>(page)].pageCaption);
    EXPECT_EQ(BatchStatus::describe({InputPage::Shells, 0, 3, "Material ist nicht definiert !"}),
              "Eingabefehler: Material ist nicht definiert ! (Schalen, Zeile 1, Spalte 3 "
              "\"Mat.\")");
    EXPECT_EQ(BatchStatus::describe({InputPage::Nodes, 4, 3, "x"}),
              "Eingabefehler: x (Knoten, Zeile 5, Spalte 3 \"Auflager r\")");
}
