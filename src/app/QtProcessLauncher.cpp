#include "app/QtProcessLauncher.h"

#include <QStringList>

namespace venkar {

namespace {
constexpr int startTimeoutMs = 5000;
constexpr int stopTimeoutMs = 2000;
} // namespace

QtProcessLauncher::~QtProcessLauncher() {
    while (!processes_.empty())
        stop(processes_.begin()->first);
}

std::optional<ProcessLauncher::ProcessId>
QtProcessLauncher::start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList argumentList;
    for (const std::string& argument : arguments)
        argumentList << QString::fromStdString(argument);
    auto process = std::make_unique<QProcess>();
    // The viewer's output goes where the program's goes; nothing piles up in
    // unread pipes.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->start(QString::fromStdString(program), argumentList);
    if (!process->waitForStarted(startTimeoutMs))
        return std::nullopt;
    const ProcessId id = process->processId();
    processes_[id] = std::move(process);
    return id;
}

void QtProcessLauncher::stop(ProcessId id) {
    const auto found = processes_.find(id);
    if (found == processes_.end())
        return;
    QProcess& process = *found->second;
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(stopTimeoutMs)) {
            process.kill();
            process.waitForFinished(stopTimeoutMs);
        }
    }
    processes_.erase(found);
}

} // namespace venkar
