// venkar-batch: reads a system and a load case, checks and calculates them
// and writes the reports and the results without a window.
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        const venkar::BatchOptions options = venkar::parseBatchOptions(arguments);
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
