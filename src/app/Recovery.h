#pragma once

#include "app/RecoveryFile.h"
#include "documents/DocumentDialogs.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace venkar {

class Documents;
class Model;

// Recovery copies of the session, so that nothing typed is lost when the
// program is killed. While a document is modified, a copy of it is written
// (atomically) at most `delay` after a change; the other document, when it
// is unmodified and has a file, is recorded at once by its file name only,
// so that a restore brings back the whole session. Saving the last modified
// document or ending the program cleanly removes the copies.
//
// Every running program owns a session in the recovery folder: a lock file
// "<pid>.lock" held for its whole run and the copies "<pid>-system.vrk" and
// "<pid>-load.vrk". A session whose lock nobody holds belongs to a program
// that ended without cleaning up; its copies are offered at the next start.
// Sessions of programs still running are never touched.
class Recovery : public QObject, public DocumentListener {
public:
    // What a previous, ended program left behind: the newest sound copy of
    // each modified document; for a document without one, the file name
    // the session of the other document recorded for it (a copy with
    // `modified` false); and the files that were refused as damaged. A
    // file name alone is never offered without a modified copy.
    struct Offer {
        std::optional<RecoveryCopy> system;
        std::optional<RecoveryCopy> load;
        std::vector<std::filesystem::path> damaged;
        bool empty() const { return !system && !load && damaged.empty(); }
    };

    // `documents` and `model` must outlive this object (not owned); it
    // listens to `documents` from construction on. The folder is created
    // when missing.
    Recovery(Documents& documents, Model& model, std::filesystem::path folder,
             std::chrono::milliseconds delay, QObject* parent = nullptr);
    // An orderly end: removes this program's copies and its lock.
    ~Recovery() override;

    void documentStateChanged() override { update(); }
    void modelChanged() override { update(); }

    // Copies left by ended programs. Their sessions stay locked by this
    // object until discardOffered, so that a second program starting at the
    // same time cannot take them too. A copy that is damaged, truncated or
    // not readable as its document is listed in `damaged` and never offered.
    Offer findOffer();
    // Puts the offered copies in place: the tables read from each copy of a
    // modified document, the original file name kept, the document marked
    // modified; then a document recorded by its name alone is read from its
    // file again. Returns the names of such files that no longer exist (the
    // document then stays as it was). Throws VenkarError when a file read
    // again holds a faulty line.
    std::vector<std::string> restore(const Offer& offer);
    // Deletes the ended programs' sessions found by findOffer. Damaged
    // copies are kept under the extension ".beschaedigt" for inspection.
    void discardOffered();

    // Writes the copies of the modified documents now (the timer's work).
    void writeNow();
    std::filesystem::path copyPath(DocumentKind kind) const;
    bool isScheduled() const { return timer_.isActive(); }

private:
    void update();
    void removeCopy(DocumentKind kind);
    // Records the unmodified document by its file name, unless the copy
    // file already does.
    void writeName(DocumentKind kind);

    Documents& documents_;
    Model& model_;
    std::filesystem::path folder_;
    std::string session_;
    std::unique_ptr<QLockFile> lock_;
    QTimer timer_;
    // Per document (system, load): the file name the copy file records on
    // its own; none while it holds a text or does not exist.
    std::optional<std::string> nameWritten_[2];
    // Locks of ended programs' sessions, held between findOffer and
    // discardOffered, with their session names.
    std::vector<std::pair<std::string, std::unique_ptr<QLockFile>>> orphans_;
};

} // namespace venkar
