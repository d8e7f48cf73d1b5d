#pragma once

#include "app/ProcessLauncher.h"

#include <QProcess>

#include <map>
#include <memory>

namespace venkar {

// Starts the report viewers with QProcess, directly with an argument list
// (never through a shell). The processes stay owned here, so ending one never
// hits an unrelated process that reused its id; the destructor ends those
// still running.
class QtProcessLauncher : public ProcessLauncher {
public:
    QtProcessLauncher() = default;
    ~QtProcessLauncher() override;
    QtProcessLauncher(const QtProcessLauncher&) = delete;
    QtProcessLauncher& operator=(const QtProcessLauncher&) = delete;

    std::optional<ProcessId> start(const std::string& program,
                                   const std::vector<std::string>& arguments) override;
    void stop(ProcessId process) override;

private:
    std::map<ProcessId, std::unique_ptr<QProcess>> processes_;
};

} // namespace venkar
