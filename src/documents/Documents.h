#pragma once

#include "documents/DocumentDialogs.h"
#include "model/DocumentObserver.h"

#include <optional>
#include <string>
#include <string_view>
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
    // The open dialog, then the file is read and its kind checked, then the
    // save query, then the tables are filled. A file that cannot be read or
    // holds no data of the kind is reported and changes nothing.
    void open(DocumentKind kind);
    // As open, for a file chosen without the dialog (the list of recent
    // files): read, kind checked, save query, tables filled.
    void openChosen(DocumentKind kind, const std::string& path);
    // Reads `path` as the document without dialogs (command line, tests).
    // False, with the message shown, when it cannot be opened or holds no
    // data of the kind. Errors in its lines are thrown as VenkarError
    // (with their origin).
    bool openFile(DocumentKind kind, const std::string& path);
    // Puts a recovered document in place without dialogs: the tables read
    // from `text`, the name `path` (may be empty), marked modified because
    // the text was never saved. Throws VenkarError as reading a file does.
    void restore(DocumentKind kind, std::string_view text, const std::string& path);
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

    // Sets the modified flag directly: the undo history clears it when it
    // returns to the state of the last save.
    void setModified(DocumentKind kind, bool modified);

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
    void notifyReplaced(DocumentKind kind);
    bool writeFile(DocumentKind kind);
    // Shows the refusal of a file without data of the kind.
    bool isOfKind(DocumentKind kind, const std::string& path, const std::string& text);
    // Fills the tables from `text`, binds the name on success.
    void readDocument(DocumentKind kind, const std::string& path, const std::string& text);
    void notifyState();

    Model& model_;
    DocumentDialogs& dialogs_;
    std::vector<DocumentListener*> listeners_; // not owned
    State system_;
    State load_;
};

} // namespace venkar
