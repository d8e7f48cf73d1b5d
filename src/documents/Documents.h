#pragma once

#include "documents/DocumentDialogs.h"
#include "model/DocumentObserver.h"

#include <string>
#include <vector>

namespace venkar {

class Model;

// The two documents the program works on, the system and the load case: their
// file names, modified flags and file commands with the save queries.
class Documents : public DocumentObserver {
public:
    // Registers itself as the model's observer; `model` and `dialogs` must
    // outlive it (not owned).
    Documents(Model& model, DocumentDialogs& dialogs);
    ~Documents() override;
    Documents(const Documents&) = delete;
    Documents& operator=(const Documents&) = delete;

    void addListener(DocumentListener* listener);
    void removeListener(DocumentListener* listener);

    const std::string& fileName(DocumentKind kind) const;
    bool isModified(DocumentKind kind) const;
    // The text after the last path separator; empty when there is no file.
    static std::string shortName(const std::string& path);

    // Asks the grids to store a cell being edited. Every command that reads
    // the tables calls it first: saving does so itself; calculating, the
    // reports, the plausibility check and a copy of the model call it
    // before they read.
    void storePendingEdits();

    // From the tables: mark modified, then modelChanged().
    void systemChanged() override;
    void loadChanged() override;
    void modelChanged();

    // Save query, then empty the document. False when cancelled (also when
    // the user chose to save and then cancelled the save dialog).
    bool newDocument(DocumentKind kind);
    // The open dialog, the save query, then read the file.
    void open(DocumentKind kind);
    // Reads `path` as the document without dialogs (command line, tests).
    // False, with the message shown, when it cannot be opened. Reading
    // errors are thrown as VenkarError.
    bool openFile(DocumentKind kind, const std::string& path);
    // Save under the current name, or ask for one. False when the file could
    // not be written (the message was shown); a cancelled dialog is not a
    // failure.
    bool save(DocumentKind kind);
    // Ask for a name and save. False when the dialog was cancelled.
    bool saveAs(DocumentKind kind);

    // "Neu": both new commands, each with its own query.
    void newBoth();
    // "Speichern": both save commands.
    void saveBoth();
    // The queries before the program closes: true when it may close. Unlike
    // "Neu", nothing is cleared, so a cancel (or a cancelled save dialog)
    // keeps both documents intact.
    bool queryClose();

private:
    struct State {
        std::string fileName;
        bool modified = false;
    };
    State& state(DocumentKind kind) { return kind == DocumentKind::System ? system_ : load_; }
    const State& state(DocumentKind kind) const {
        return kind == DocumentKind::System ? system_ : load_;
    }
    enum class SaveOutcome { Saved, Cancelled, Failed };

    // Asks to save a modified document. False when cancelled, or when the
    // user asked to save and then cancelled the dialog or writing failed:
    // the document is then kept.
    bool saveQuery(DocumentKind kind);
    // Saves under the current name or one the dialog asks for.
    SaveOutcome saveDocument(DocumentKind kind);
    void clear(DocumentKind kind);
    void changed(DocumentKind kind);
    void setFileName(DocumentKind kind, const std::string& path);
    void setModified(DocumentKind kind, bool modified);
    bool writeFile(DocumentKind kind);
    void notifyState();

    Model& model_;
    DocumentDialogs& dialogs_;
    std::vector<DocumentListener*> listeners_; // not owned
    State system_;
    State load_;
};

} // namespace venkar
