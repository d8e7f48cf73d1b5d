#include "app/Recovery.h"

#include "documents/Documents.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QCoreApplication>
#include <QString>

#include <map>
#include <system_error>

namespace venkar {

namespace {

namespace fs = std::filesystem;

std::size_t indexOf(DocumentKind kind) {
    return kind == DocumentKind::System ? 0 : 1;
}

const char* copySuffix(DocumentKind kind) {
    return kind == DocumentKind::System ? "-system.vrk" : "-load.vrk";
}

QString lockName(const fs::path& folder, const std::string& session) {
    return QString::fromStdString((folder / (session + ".lock")).string());
}

// A lock that counts as stale only when its process no longer runs, never
// because of its age: a program may stay open for days.
std::unique_ptr<QLockFile> makeLock(const fs::path& folder, const std::string& session) {
    auto lock = std::make_unique<QLockFile>(lockName(folder, session));
    lock->setStaleLockTime(0);
    return lock;
}

// The session a copy file belongs to ("<pid>" of "<pid>-system.vrk"); empty
// for other files.
std::string sessionOf(const fs::path& file) {
    if (file.extension() != ".vrk")
        return {};
    const std::string name = file.filename().string();
    const std::size_t dash = name.find('-');
    return dash == std::string::npos ? std::string() : name.substr(0, dash);
}

// The copy in `file` when it is intact and reads as its document.
std::optional<RecoveryCopy> readSoundCopy(const fs::path& file) {
    const std::optional<std::string> bytes = readTextFile(file);
    return bytes ? soundRecoveryCopy(*bytes) : std::nullopt;
}

} // namespace

Recovery::Recovery(Documents& documents, Model& model, std::filesystem::path folder,
                   std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent), documents_(documents), model_(model), folder_(std::move(folder)),
      session_(std::to_string(QCoreApplication::applicationPid())) {
    std::error_code ignored;
    fs::create_directories(folder_, ignored);
    lock_ = makeLock(folder_, session_);
    lock_->tryLock(0);
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, &Recovery::writeNow);
    documents_.addListener(this);
}

Recovery::~Recovery() {
    documents_.removeListener(this);
    removeCopy(DocumentKind::System);
    removeCopy(DocumentKind::Load);
    lock_->unlock();
}

std::filesystem::path Recovery::copyPath(DocumentKind kind) const {
    return folder_ / (session_ + copySuffix(kind));
}

void Recovery::update() {
    const bool anyModified =
        documents_.isModified(DocumentKind::System) || documents_.isModified(DocumentKind::Load);
    for (const DocumentKind kind : {DocumentKind::System, DocumentKind::Load}) {
        if (documents_.isModified(kind))
            continue; // its text follows with the timer
        // A text of the document as it was before it was saved must never
        // stay behind: it would be restored over the saved file.
        if (anyModified && !documents_.fileName(kind).empty())
            writeName(kind);
        else
            removeCopy(kind);
    }
    if (!anyModified)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

void Recovery::writeName(DocumentKind kind) {
    const std::string& fileName = documents_.fileName(kind);
    std::optional<std::string>& written = nameWritten_[indexOf(kind)];
    if (written == fileName)
        return;
    const std::string bytes = encodeRecoveryCopy({kind, fileName, "", false});
    if (bytes.empty() || !writeTextFileAtomically(copyPath(kind), bytes)) {
        removeCopy(kind);
        return;
    }
    written = fileName;
}

void Recovery::writeNow() {
    timer_.stop();
    // Written from a snapshot: writing the tables themselves would store the
    // value being typed into a grid, under the user's hands. A value not
    // yet stored reaches the copy with the change that stores it.
    Model snapshot = model_;
    for (const DocumentKind kind : {DocumentKind::System, DocumentKind::Load}) {
        if (!documents_.isModified(kind))
            continue;
        RecoveryCopy copy{kind, documents_.fileName(kind), ""};
        copy.text =
            kind == DocumentKind::System ? writeSystemText(snapshot) : writeLoadText(snapshot);
        // A copy that cannot be written leaves the previous one; the next
        // change tries again.
        if (writeTextFileAtomically(copyPath(kind), encodeRecoveryCopy(copy)))
            nameWritten_[indexOf(kind)].reset();
    }
}

void Recovery::removeCopy(DocumentKind kind) {
    std::error_code ignored;
    fs::remove(copyPath(kind), ignored);
    nameWritten_[indexOf(kind)].reset();
}

Recovery::Offer Recovery::findOffer() {
    struct Found {
        std::string session;
        fs::file_time_type time;
        RecoveryCopy copy;
    };
    Offer offer;
    std::vector<Found> found;
    std::map<std::string, bool> sessions; // session -> lock taken
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        const std::string session = sessionOf(entry.path());
        if (session.empty() || session == session_)
            continue;
        if (!sessions.count(session)) {
            auto lock = makeLock(folder_, session);
            sessions[session] = lock->tryLock(0);
            if (sessions[session])
                orphans_.emplace_back(session, std::move(lock));
        }
        if (!sessions[session])
            continue;
        std::optional<RecoveryCopy> copy = readSoundCopy(entry.path());
        if (!copy) {
            offer.damaged.push_back(entry.path());
            continue;
        }
        found.push_back({session, entry.last_write_time(error), std::move(*copy)});
    }
    // The newest text of each document, from whichever session holds it.
    const Found* chosen[2] = {};
    for (const Found& candidate : found) {
        const Found*& slot = chosen[indexOf(candidate.copy.kind)];
        if (candidate.copy.modified && (!slot || candidate.time > slot->time))
            slot = &candidate;
    }
    // A document without a text comes back as the session of the other one
    // recorded it.
    for (const std::size_t i : {0u, 1u}) {
        const Found* other = chosen[1 - i];
        if (chosen[i] || !other)
            continue;
        for (const Found& candidate : found)
            if (candidate.session == other->session && indexOf(candidate.copy.kind) == i)
                chosen[i] = &candidate;
    }
    if (chosen[0])
        offer.system = chosen[0]->copy;
    if (chosen[1])
        offer.load = chosen[1]->copy;
    return offer;
}

std::vector<std::string> Recovery::restore(const Offer& offer) {
    for (const std::optional<RecoveryCopy>& copy : {offer.system, offer.load})
        if (copy && copy->modified)
            documents_.restore(copy->kind, copy->text, copy->fileName);
    std::vector<std::string> missing;
    for (const std::optional<RecoveryCopy>& copy : {offer.system, offer.load}) {
        if (!copy || copy->modified)
            continue;
        std::error_code ignored;
        if (fs::is_regular_file(copy->fileName, ignored))
            documents_.openFile(copy->kind, copy->fileName);
        else
            missing.push_back(copy->fileName);
    }
    return missing;
}

void Recovery::discardOffered() {
    for (auto& [session, lock] : orphans_) {
        for (const DocumentKind kind : {DocumentKind::System, DocumentKind::Load}) {
            const fs::path copy = folder_ / (session + copySuffix(kind));
            std::error_code ignored;
            if (!fs::exists(copy, ignored))
                continue;
            if (readSoundCopy(copy))
                fs::remove(copy, ignored);
            else
                fs::rename(copy, fs::path(copy).replace_extension(".beschaedigt"), ignored);
        }
        lock->unlock();
    }
    orphans_.clear();
}

} // namespace venkar
