#include "checks/LoadCheck.h"
#include "checks/SystemCheck.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include "CheckExpectations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace venkar;
using venkar::test::noFault;

namespace fs = std::filesystem;

TEST(ExampleFiles, EveryExamplePassesBothChecks) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(VENKAR_EXAMPLES_DIR)) {
        const fs::path& systemPath = entry.path();
        if (systemPath.extension() != ".vsy")
            continue;
        ++examples;
        SCOPED_TRACE(systemPath.filename().string());
        Model model;
        readSystemText(model, readTextFile(systemPath).value());
        fs::path loadPath = systemPath;
        loadPath.replace_extension(".vla");
        readLoadText(model, readTextFile(loadPath).value());
        ASSERT_GT(model.shells.definedCount(), 0);
        EXPECT_TRUE(noFault(checkSystem(model)));
        EXPECT_TRUE(noFault(checkLoad(model)));
    }
    // water tank, dome, cooling tower, pressure vessel, tank under wind, silo, silo with a patch
    EXPECT_EQ(examples, 7);
}
