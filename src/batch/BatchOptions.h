#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace venkar {

// A command line the batch command cannot run: exit status 3.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What venkar-batch was asked to do. An output file "-" means standard output.
struct BatchOptions {
    std::string systemFile;
    std::string loadFile;  // empty: an empty load case
    bool checkOnly = false;
    bool verbose = false;
    bool help = false;
    std::optional<std::string> inputReport;
    std::optional<std::string> resultsReport;
    std::optional<std::string> json;

    // With no output option at all, the results report goes to standard output.
    bool hasOutputOption() const { return inputReport || resultsReport || json; }
};

// Parses the arguments after the program name. Throws UsageError.
BatchOptions parseBatchOptions(const std::vector<std::string>& arguments);

// The text of --help.
const char* batchUsage();

} // namespace venkar
