#include "app/QtProcessLauncher.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <unistd.h>

using namespace venkar;

namespace {

// True while a process with this id exists and is not a zombie.
bool isRunning(ProcessLauncher::ProcessId id) {
    return std::filesystem::exists("/proc/" + std::to_string(id)) &&
           ::kill(static_cast<pid_t>(id), 0) == 0;
}

} // namespace

TEST(QtProcessLauncher, StartsAProgramWithItsArgumentsAndEndsIt) {
    QtProcessLauncher launcher;
    const std::optional<ProcessLauncher::ProcessId> id = launcher.start("sleep", {"30"});
    ASSERT_TRUE(id);
    EXPECT_TRUE(isRunning(*id));
    launcher.stop(*id);
    EXPECT_FALSE(isRunning(*id));
    launcher.stop(*id); // a second stop is harmless
}

TEST(QtProcessLauncher, AMissingProgramIsNotStarted) {
    QtProcessLauncher launcher;
    EXPECT_FALSE(launcher.start("/nicht/vorhanden/editor", {"bericht.txt"}));
}

TEST(QtProcessLauncher, AFileNameWithShellCharactersIsOneArgument) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("venkar-launcher-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path target = folder / "a b;touch boese";
    QtProcessLauncher launcher;
    const auto id = launcher.start("touch", {target.string()});
    ASSERT_TRUE(id);
    for (int i = 0; i < 100 && !std::filesystem::exists(target); ++i)
        ::usleep(20000);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_FALSE(std::filesystem::exists(folder / "boese"));
    EXPECT_FALSE(std::filesystem::exists("boese"));
    launcher.stop(*id);
    std::filesystem::remove_all(folder);
}
