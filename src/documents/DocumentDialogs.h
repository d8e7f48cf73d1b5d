#pragma once

#include <optional>
#include <string>
#include <vector>

namespace venkar {

enum class DocumentKind { System, Load };

enum class Answer { Yes, No, Cancel };

// The questions, file dialogs and messages of the document commands. The GUI
// shows message boxes and file dialogs; tests answer with fakes.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // A Yes/No/Cancel question.
    virtual Answer ask(const std::string& question, const std::string& caption) = 0;
    // The open dialog of the document's files ("System öffnen", "Lastfall
    // öffnen"); none when cancelled.
    virtual std::optional<std::string> chooseFileToOpen(DocumentKind kind) = 0;
    // The save dialog ("System Speicher unter", "Lastfall Speichern unter"),
    // which asks before overwriting; none when cancelled.
    virtual std::optional<std::string> chooseFileToSave(DocumentKind kind) = 0;
    virtual void showError(const std::string& message, const std::string& caption) = 0;
};

// Told about the document state and about every change of the model.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;
    // A file name or a modified flag changed (tool bar, window captions).
    virtual void documentStateChanged() {}
    // The system or the load case changed: results are dropped, report
    // viewers stopped, windows redraw.
    virtual void modelChanged() {}
    // The document was cleared or read from a file as a whole (after the
    // state notifications): histories of edits start anew.
    virtual void documentReplaced(DocumentKind /*kind*/) {}
    // The document was read from the file `path` (after documentReplaced);
    // `warnings` say what its reader skipped (unknownSectionWarnings),
    // empty for most files.
    virtual void fileRead(DocumentKind /*kind*/, const std::string& /*path*/,
                          const std::vector<std::string>& /*warnings*/) {}
    // The document was written to the file `path`.
    virtual void fileWritten(DocumentKind /*kind*/, const std::string& /*path*/) {}
};

} // namespace venkar
