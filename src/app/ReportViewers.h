#pragma once

#include "app/ProcessLauncher.h"
#include "reports/TableHeads.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace venkar {

class AppDialogs;
struct EditorAndMargins;

// The two kinds of text report, each with its own viewer process.
enum class ReportKind { Input, Results };

// The setting that stands for the program's own report viewer.
inline constexpr const char* defaultEditorSetting = "VEdit.exe";
// The file name of the report viewer built with the program.
inline constexpr const char* reportViewerName = "venkar-view";

// The name a report is saved and printed under: the system file's name
// without its extension, "-eingabeprotokoll" or "-ergebnisse", in the
// system file's folder ("/daten/silo.vsy" -> "/daten/silo-ergebnisse");
// "Venkar-..." when the system has no file yet.
std::filesystem::path reportDocumentName(ReportKind kind, const std::filesystem::path& systemPath);

// A point on the desktop in global screen coordinates.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Replaces the default editor setting by the report viewer next to the
// program (`programFolder` + "/venkar-view"); any other setting stays. The
// configuration then keeps the full path.
void resolveDefaultEditor(EditorAndMargins& settings, const std::filesystem::path& programFolder);

// The text reports shown outside the program: every report goes into a new
// temporary file, and the configured editor is started on it as a separate
// process, one per report kind. A newer report of a kind ends the viewer of
// the older one; `end` stops both and deletes every report file of the run.
//
// The program's own viewer (an editor setting whose file name is
// "venkar-view") learns more than the file: the document name
// (reportDocumentName), the table heads in a side file next to the report
// ("VnkrXXXXXX.heads", formatTableHeads) and the point it opens at:
//   venkar-view --name NAME [--heads FILE] [--near X,Y] REPORT
// Any other editor gets the report file alone.
class ReportViewers {
public:
    // `settings` holds the editor setting (read at every start of a viewer);
    // all references must outlive this object (not owned). Report files are
    // made in `temporaryFolder`.
    ReportViewers(ProcessLauncher& launcher, AppDialogs& dialogs, EditorAndMargins& settings,
                  std::filesystem::path programFolder, std::filesystem::path temporaryFolder);
    ~ReportViewers();
    ReportViewers(const ReportViewers&) = delete;
    ReportViewers& operator=(const ReportViewers&) = delete;

    // Writes `text` into a new report file, ends the viewer of this kind and
    // starts the editor on the file. Throws VenkarError "Fehler bei
    // Erzeugung einer Temporären Dateiname" or "Fehler bei öffnen der
    // Ausdruckdatei". An editor that cannot be started shows "Programm '%s'
    // kann nicht ausgeführt werden" (caption "Fehler"); the file stays listed.
    void show(ReportKind kind, const std::string& text);
    // The same for a report with its table heads, of the system in
    // `systemPath` (empty when it has no file).
    void show(ReportKind kind, const ReportText& report, const std::filesystem::path& systemPath);

    // Where the program's viewer opens: at the point `source` gives when a
    // viewer starts (the centre of the main window), on that point's screen.
    void setAnchorSource(std::function<std::optional<ScreenPoint>()> source) {
        anchorSource_ = std::move(source);
    }

    void stop(ReportKind kind);
    void stopAll();
    // Program end: stops both viewers and deletes every report file.
    void end();

    bool isRunning(ReportKind kind) const { return slot(kind).has_value(); }
    const std::vector<std::filesystem::path>& reportFiles() const { return files_; }

private:
    std::optional<ProcessLauncher::ProcessId>& slot(ReportKind kind) {
        return viewers_[static_cast<std::size_t>(kind)];
    }
    const std::optional<ProcessLauncher::ProcessId>& slot(ReportKind kind) const {
        return viewers_[static_cast<std::size_t>(kind)];
    }
    std::filesystem::path createReportFile(const std::string& text);
    std::optional<std::filesystem::path> createHeadsFile(const std::filesystem::path& report,
                                                         const std::vector<TableHead>& heads);
    std::vector<std::string> viewerArguments(ReportKind kind, const ReportText& report,
                                             const std::filesystem::path& systemPath,
                                             const std::filesystem::path& file);
    void launch(ReportKind kind, const std::vector<std::string>& arguments);

    ProcessLauncher& launcher_;
    AppDialogs& dialogs_;
    EditorAndMargins& settings_;
    std::filesystem::path programFolder_;
    std::filesystem::path temporaryFolder_;
    std::array<std::optional<ProcessLauncher::ProcessId>, 2> viewers_;
    std::vector<std::filesystem::path> files_;
    std::function<std::optional<ScreenPoint>()> anchorSource_;
};

} // namespace venkar
