// venkar-batch: reads a system and a load case, checks and calculates them
// and writes the reports and the results without a window.
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The absolute path of this program, for the default configuration file.
std::string programPath(const char* argumentZero) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.string();
    return std::filesystem::absolute(argumentZero, error).string();
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        venkar::BatchOptions options = venkar::parseBatchOptions(arguments);
        options.programPath = programPath(argv[0]);
        if (options.help) {
            std::cout << venkar::batchUsage();
            return venkar::exitSuccess;
        }
        return venkar::runBatch(options, std::cout, std::cerr);
    } catch (const venkar::UsageError& error) {
        std::cerr << "venkar-batch: " << error.what() << "\n"
                  << "Aufruf: venkar-batch [Optionen] SYSTEM.vsy [LASTFALL.vla]"
                     " (--help zeigt alle Optionen)\n";
        return venkar::exitUsage;
    }
}
