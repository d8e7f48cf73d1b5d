#include "batch/BatchOptions.h"

#include <gtest/gtest.h>

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
}

TEST(BatchOptions, RefusesWhatItCannotRun) {
    EXPECT_THROW(parseBatchOptions({}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "b.vla", "c"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "--json"}), UsageError);
    EXPECT_THROW(parseBatchOptions({"a.vsy", "--unknown"}), UsageError);
    EXPECT_TRUE(parseBatchOptions({"--help"}).help);
}
