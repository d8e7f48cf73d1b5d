#include "app/ReportViewers.h"

#include "app/AppDialogs.h"
#include "graphics/GraphSettings.h"
#include "model/Error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace venkar {

namespace {

// Creates a new, empty file with a unique name "VnkrXXXXXX.txt" in `folder`
// and returns its open descriptor; -1 when no name could be made.
int createUniqueFile(const std::filesystem::path& folder, std::filesystem::path& name) {
    std::string pattern = (folder / "VnkrXXXXXX.txt").string();
    const int descriptor = ::mkstemps(pattern.data(), 4);
    if (descriptor >= 0)
        name = pattern;
    return descriptor;
}

bool writeAll(int descriptor, const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

void resolveDefaultEditor(EditorAndMargins& settings, const std::filesystem::path& programFolder) {
    if (settings.editor == defaultEditorSetting)
        settings.editor = (programFolder / reportViewerName).string();
}

ReportViewers::ReportViewers(ProcessLauncher& launcher, AppDialogs& dialogs,
                             EditorAndMargins& settings, std::filesystem::path programFolder,
                             std::filesystem::path temporaryFolder)
    : launcher_(launcher), dialogs_(dialogs), settings_(settings),
      programFolder_(std::move(programFolder)), temporaryFolder_(std::move(temporaryFolder)) {}

ReportViewers::~ReportViewers() {
    end();
}

void ReportViewers::show(ReportKind kind, const std::string& text) {
    const std::filesystem::path file = createReportFile(text);
    stop(kind);
    launch(kind, file);
}

std::filesystem::path ReportViewers::createReportFile(const std::string& text) {
    std::filesystem::path name;
    const int descriptor = createUniqueFile(temporaryFolder_, name);
    if (descriptor < 0)
        raiseError("Fehler bei Erzeugung einer Temporären Dateiname");
    files_.push_back(name);
    const bool written = writeAll(descriptor, text);
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed)
        raiseError("Fehler bei öffnen der Ausdruckdatei");
    return name;
}

void ReportViewers::launch(ReportKind kind, const std::filesystem::path& file) {
    resolveDefaultEditor(settings_, programFolder_);
    slot(kind) = launcher_.start(settings_.editor, {file.string()});
    if (!slot(kind))
        dialogs_.showError(
            formatText("Programm '%s' kann nicht ausgeführt werden", settings_.editor.c_str()),
            "Fehler");
}

void ReportViewers::stop(ReportKind kind) {
    if (!slot(kind))
        return;
    launcher_.stop(*slot(kind));
    slot(kind).reset();
}

void ReportViewers::stopAll() {
    stop(ReportKind::Input);
    stop(ReportKind::Results);
}

void ReportViewers::end() {
    stopAll();
    for (const std::filesystem::path& file : files_) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
    files_.clear();
}

} // namespace venkar
