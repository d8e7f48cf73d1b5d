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

// Writes `text` into a new file `name`; false when the file exists already
// or cannot be written (a half-written file is removed).
bool writeNewFile(const std::filesystem::path& name, const std::string& text) {
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, text);
    const bool closed = ::close(descriptor) == 0;
    if (written && closed)
        return true;
    std::error_code ignored;
    std::filesystem::remove(name, ignored);
    return false;
}

} // namespace

std::filesystem::path reportDocumentName(ReportKind kind, const std::filesystem::path& systemPath) {
    const char* suffix = kind == ReportKind::Input ? "-eingabeprotokoll" : "-ergebnisse";
    if (systemPath.empty() || systemPath.stem().empty())
        return std::string("Venkar") + suffix;
    return systemPath.parent_path() / (systemPath.stem().string() + suffix);
}

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
    show(kind, ReportText{text, {}}, {});
}

void ReportViewers::show(ReportKind kind, const ReportText& report,
                         const std::filesystem::path& systemPath) {
    const std::filesystem::path file = createReportFile(report.text);
    stop(kind);
    resolveDefaultEditor(settings_, programFolder_);
    launch(kind, viewerArguments(kind, report, systemPath, file));
}

std::vector<std::string> ReportViewers::viewerArguments(ReportKind kind, const ReportText& report,
                                                        const std::filesystem::path& systemPath,
                                                        const std::filesystem::path& file) {
    if (std::filesystem::path(settings_.editor).filename() != reportViewerName)
        return {file.string()};
    std::vector<std::string> arguments{"--name", reportDocumentName(kind, systemPath).string()};
    if (const auto heads = createHeadsFile(file, report.tableHeads)) {
        arguments.push_back("--heads");
        arguments.push_back(heads->string());
    }
    if (const std::optional<ScreenPoint> anchor = anchorSource_ ? anchorSource_() : std::nullopt) {
        arguments.push_back("--near");
        arguments.push_back(std::to_string(anchor->x) + "," + std::to_string(anchor->y));
    }
    arguments.push_back(file.string());
    return arguments;
}

// The heads are a convenience for printing: without their file the viewer
// still shows and prints the whole report.
std::optional<std::filesystem::path>
ReportViewers::createHeadsFile(const std::filesystem::path& report,
                               const std::vector<TableHead>& heads) {
    if (heads.empty())
        return std::nullopt;
    std::filesystem::path name = report;
    name.replace_extension(".heads");
    if (!writeNewFile(name, formatTableHeads(heads)))
        return std::nullopt;
    files_.push_back(name);
    return name;
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

void ReportViewers::launch(ReportKind kind, const std::vector<std::string>& arguments) {
    slot(kind) = launcher_.start(settings_.editor, arguments);
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
