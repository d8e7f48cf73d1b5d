#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace venkar {

// Starts programs as separate processes without waiting for them, and ends
// them again. The program uses QtProcessLauncher; tests record the calls.
class ProcessLauncher {
public:
    using ProcessId = std::int64_t;

    virtual ~ProcessLauncher() = default;
    // Starts `program` directly (never through a shell) with `arguments`.
    // None when the program could not be started.
    virtual std::optional<ProcessId> start(const std::string& program,
                                           const std::vector<std::string>& arguments) = 0;
    // Ends a process started here; a process that has already ended is left
    // alone.
    virtual void stop(ProcessId process) = 0;
};

} // namespace venkar
