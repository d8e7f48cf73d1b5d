// The JSON and CSV results of the example structures, byte for byte against
// the files they gave when they were made: every number the batch command
// writes at full precision is guarded, beside the golden reports.
#include "model/TextFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

using namespace venkar;
namespace fs = std::filesystem;

TEST(GoldenOutputs, JsonAndCsvOfTheExamplesMatchTheirGoldenFiles) {
    const fs::path folder = test::freshTestFolder("venkar-golden");
    const fs::path golden = fs::path(VENKAR_SOURCE_DIR) / "tests" / "reports";
    const bool update = std::getenv("VENKAR_UPDATE_GOLDEN") != nullptr;
    for (const std::string name : {"wassertank", "kuppel", "kuehlturm", "druckbehaelter"}) {
        const std::string example = std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
        const fs::path json = folder / (name + ".json");
        const fs::path csv = folder / (name + ".csv");
        const std::string command = std::string(VENKAR_BATCH_EXECUTABLE) + " --json " +
                                    json.string() + " --csv " + csv.string() + " " + example +
                                    ".vsy " + example + ".vla >/dev/null 2>&1 </dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name;
        for (const auto& [written, expected] :
             {std::pair{json, golden / "golden-json" / (name + ".json")},
              std::pair{csv, golden / "golden-csv" / (name + ".csv")}}) {
            const std::string text = readTextFile(written).value_or("");
            if (update) {
                fs::create_directories(expected.parent_path());
                writeTextFileAtomically(expected, text);
            }
            EXPECT_FALSE(text.empty()) << written;
            EXPECT_EQ(text, readTextFile(expected).value_or("")) << expected;
        }
    }
    fs::remove_all(folder);
}
