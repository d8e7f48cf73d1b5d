#pragma once

#include "app/AppDialogs.h"
#include "app/ProcessLauncher.h"
#include "input/InputMessages.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace venkar::testing {

// Answers every dialog from scripted queues and records what the program
// showed and asked, as "caption: text".
class FakeDialogs : public AppDialogs {
public:
    Answer ask(const std::string& question, const std::string& caption) override {
        asked.push_back(caption + ": " + question);
        return take(answers, Answer::Cancel);
    }
    std::optional<std::string> chooseFileToOpen(DocumentKind kind) override {
        openDialogs.push_back(kind);
        return take(openNames, std::optional<std::string>());
    }
    std::optional<std::string> chooseFileToSave(DocumentKind kind) override {
        saveDialogs.push_back(kind);
        return take(saveNames, std::optional<std::string>());
    }
    void showError(const std::string& message, const std::string& caption) override {
        shown.push_back(caption + ": " + message);
    }
    void showInformation(const std::string& message, const std::string& caption) override {
        shown.push_back(caption + ": " + message);
    }
    bool askYesNo(const std::string& question, const std::string& caption) override {
        asked.push_back(caption + ": " + question);
        return take(yesNo, false);
    }
    std::optional<std::string> chooseProgram(const std::string& current) override {
        programDialogs.push_back(current);
        return take(programNames, std::optional<std::string>());
    }

    std::deque<Answer> answers;
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> openNames;
    std::deque<std::optional<std::string>> saveNames;
    std::deque<std::optional<std::string>> programNames;
    std::vector<std::string> asked;
    std::vector<std::string> shown;
    std::vector<DocumentKind> openDialogs;
    std::vector<DocumentKind> saveDialogs;
    std::vector<std::string> programDialogs;

private:
    template <class T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// Records what the input windows tell the user; declines every question.
class FakeInputMessages : public InputMessages {
public:
    void beep() override { ++beeps; }
    bool confirmRowDelete() override { return false; }
    std::optional<double> askValue(const QString&) override { return std::nullopt; }
    void inputError(const QString& message) override { inputErrors << message; }
    void pasteError(const QString& message) override { otherErrors << message; }
    void commandError(const QString& message) override { otherErrors << message; }
    std::optional<PresetChoice> choosePreset(const QStringList&) override { return std::nullopt; }
    bool confirmReplace(const QString&) override { return false; }

    int beeps = 0;
    QStringList inputErrors;
    QStringList otherErrors;
};

// Records the processes the program starts and stops instead of running
// them. A program named in `missing` fails to start.
class FakeLauncher : public ProcessLauncher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        ProcessId id;
    };

    std::optional<ProcessId> start(const std::string& program,
                                   const std::vector<std::string>& arguments) override {
        if (program == missing)
            return std::nullopt;
        started.push_back({program, arguments, nextId});
        running.push_back(nextId);
        return nextId++;
    }
    void stop(ProcessId process) override {
        stopped.push_back(process);
        std::erase(running, process);
    }

    std::string missing;
    std::vector<Start> started;
    std::vector<ProcessId> stopped;
    std::vector<ProcessId> running;
    ProcessId nextId = 100;
};

} // namespace venkar::testing
