#include "model/TextFile.h"
#include "support/FileSizeLimit.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::freshTestFolder("venkar-textfile"); }
    void TearDown() override { fs::remove_all(folder); }

    int entriesInFolder() const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

} // namespace

TEST_F(TextFileTest, AtomicWriteReplacesContentAndLeavesNoTemporaryFile) {
    const fs::path file = folder / "tank.vsy";
    ASSERT_TRUE(writeTextFileAtomically(file, "old\n"));
    ASSERT_TRUE(writeTextFileAtomically(file, "new\n"));
    EXPECT_EQ(readTextFile(file).value(), "new\n");
    EXPECT_EQ(entriesInFolder(), 1);
}

TEST_F(TextFileTest, FailedWriteLeavesTheTargetAsItWas) {
    // A folder in place of the file: the final rename fails.
    const fs::path target = folder / "busy.vsy";
    fs::create_directories(target / "inside");
    EXPECT_FALSE(writeTextFileAtomically(target, "data"));
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(entriesInFolder(), 1);

    EXPECT_FALSE(writeTextFileAtomically(folder / "missing" / "x.vsy", "data"));
}

TEST_F(TextFileTest, WriteFailingPartWayKeepsThePreviousFile) {
    const fs::path file = folder / "tank.vsy";
    ASSERT_TRUE(writeTextFileAtomically(file, "previous\n"));
    {
        test::FileSizeLimit diskFull(4096);
        EXPECT_FALSE(writeTextFileAtomically(file, std::string(100000, 'x')));
    }
    EXPECT_EQ(readTextFile(file).value(), "previous\n");
    EXPECT_EQ(entriesInFolder(), 1);
}

TEST_F(TextFileTest, ReadingAMissingFileGivesNothing) {
    EXPECT_FALSE(readTextFile(folder / "absent.vla").has_value());
}
