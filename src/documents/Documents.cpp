#include "documents/Documents.h"

#include "checks/InputWarnings.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <algorithm>
#include <filesystem>

namespace venkar {

namespace {

struct KindTexts {
    const char* saveQuestion;
    const char* changedCaption;
    const char* fileError;
    const char* extension;
};

KindTexts textsOf(DocumentKind kind) {
    if (kind == DocumentKind::System)
        return {"Geometrie erst speichern ?", "System geändert",
                "Fehler beim öffnen der Systemdatei", ".vsy"};
    return {"Lasteingaben erst speichern ?", "Lasfall geändert", "Fehler beim öffnen der Lastdatei",
            ".vla"};
}

const char* const errorCaption = "Fehler";

std::string withDefaultExtension(const std::string& path, const char* extension) {
    if (std::filesystem::path(path).has_extension())
        return path;
    return path + extension;
}

} // namespace

Documents::Documents(Model& model, DocumentDialogs& dialogs) : model_(model), dialogs_(dialogs) {
    model_.setObserver(this);
}

Documents::~Documents() {
    model_.setObserver(nullptr);
}

void Documents::addListener(DocumentListener* listener) {
    listeners_.push_back(listener);
}

void Documents::removeListener(DocumentListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

const std::string& Documents::fileName(DocumentKind kind) const {
    return state(kind).fileName;
}

bool Documents::isModified(DocumentKind kind) const {
    return state(kind).modified;
}

std::string Documents::shortName(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

void Documents::storePendingEdits() {
    model_.storePendingEdits();
}

void Documents::systemChanged() {
    changed(DocumentKind::System);
}

void Documents::loadChanged() {
    changed(DocumentKind::Load);
}

void Documents::changed(DocumentKind kind) {
    setModified(kind, true);
    modelChanged();
}

void Documents::modelChanged() {
    for (DocumentListener* listener : std::vector(listeners_))
        listener->modelChanged();
}

bool Documents::saveQuery(DocumentKind kind) {
    if (!state(kind).modified)
        return true;
    const KindTexts texts = textsOf(kind);
    switch (dialogs_.ask(texts.saveQuestion, texts.changedCaption)) {
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        return saveDocument(kind) == SaveOutcome::Saved;
    case Answer::No:
        return true;
    }
    return true;
}

void Documents::clear(DocumentKind kind) {
    if (kind == DocumentKind::System)
        model_.clearSystem();
    else
        model_.clearLoad();
    changed(kind);
    setModified(kind, false);
    setFileName(kind, "");
    notifyReplaced(kind);
}

bool Documents::newDocument(DocumentKind kind) {
    if (!saveQuery(kind))
        return false;
    clear(kind);
    return true;
}

void Documents::open(DocumentKind kind) {
    const std::optional<std::string> path = dialogs_.chooseFileToOpen(kind);
    if (path)
        openChosen(kind, *path);
}

void Documents::openChosen(DocumentKind kind, const std::string& path) {
    // A file that cannot be read or holds no data of this kind changes
    // nothing: no query, no table cleared, no name bound.
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        dialogs_.showError(textsOf(kind).fileError, errorCaption);
        return;
    }
    if (!isOfKind(kind, path, *text) || !newDocument(kind))
        return;
    readDocument(kind, path, *text);
}

bool Documents::openFile(DocumentKind kind, const std::string& path) {
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        // Not bound to the name: a later "Speichern" must not write the
        // empty tables over a file that exists but could not be read.
        setFileName(kind, "");
        dialogs_.showError(textsOf(kind).fileError, errorCaption);
        return false;
    }
    if (!isOfKind(kind, path, *text))
        return false;
    readDocument(kind, path, *text);
    return true;
}

bool Documents::isOfKind(DocumentKind kind, const std::string& path, const std::string& text) {
    try {
        if (kind == DocumentKind::System)
            checkSystemText(text, path);
        else
            checkLoadText(text, path);
        return true;
    } catch (const VenkarError& error) {
        dialogs_.showError(error.what(), errorCaption);
        return false;
    }
}

void Documents::readDocument(DocumentKind kind, const std::string& path, const std::string& text) {
    try {
        if (kind == DocumentKind::System)
            readSystemText(model_, text, path);
        else
            readLoadText(model_, text, path);
    } catch (const VenkarError&) {
        // The tables hold what was read up to the error. They stay unbound
        // and modified, so that saving asks for a name instead of
        // overwriting the user's file with the partial tables.
        setFileName(kind, "");
        changed(kind);
        notifyReplaced(kind);
        throw;
    }
    setFileName(kind, path);
    changed(kind);
    setModified(kind, false);
    notifyReplaced(kind);
    const std::vector<std::string> warnings = unknownSectionWarnings(text, shortName(path));
    for (DocumentListener* listener : std::vector(listeners_))
        listener->fileRead(kind, path, warnings);
}

void Documents::restore(DocumentKind kind, std::string_view text, const std::string& path) {
    setFileName(kind, path);
    if (kind == DocumentKind::System)
        readSystemText(model_, text);
    else
        readLoadText(model_, text);
    changed(kind);
    notifyReplaced(kind);
}

bool Documents::save(DocumentKind kind) {
    // A cancelled dialog is no failure: "Speichern" goes on to the load case.
    return saveDocument(kind) != SaveOutcome::Failed;
}

Documents::SaveOutcome Documents::saveDocument(DocumentKind kind) {
    if (state(kind).fileName.empty()) {
        const std::optional<std::string> path = dialogs_.chooseFileToSave(kind);
        if (!path)
            return SaveOutcome::Cancelled;
        setFileName(kind, withDefaultExtension(*path, textsOf(kind).extension));
    }
    if (!writeFile(kind)) {
        dialogs_.showError(textsOf(kind).fileError, errorCaption);
        return SaveOutcome::Failed;
    }
    setModified(kind, false);
    const std::string path = state(kind).fileName;
    for (DocumentListener* listener : std::vector(listeners_))
        listener->fileWritten(kind, path);
    return SaveOutcome::Saved;
}

bool Documents::saveAs(DocumentKind kind) {
    const std::optional<std::string> path = dialogs_.chooseFileToSave(kind);
    if (!path)
        return false;
    setFileName(kind, withDefaultExtension(*path, textsOf(kind).extension));
    save(kind);
    return true;
}

bool Documents::writeFile(DocumentKind kind) {
    storePendingEdits();
    const std::string text =
        kind == DocumentKind::System ? writeSystemText(model_) : writeLoadText(model_);
    return writeTextFileAtomically(state(kind).fileName, text);
}

void Documents::newBoth() {
    newDocument(DocumentKind::System);
    newDocument(DocumentKind::Load);
}

void Documents::saveBoth() {
    save(DocumentKind::System);
    save(DocumentKind::Load);
}

bool Documents::queryClose() {
    return saveQuery(DocumentKind::System) && saveQuery(DocumentKind::Load);
}

void Documents::setFileName(DocumentKind kind, const std::string& path) {
    state(kind).fileName = path;
    notifyState();
}

void Documents::setModified(DocumentKind kind, bool modified) {
    state(kind).modified = modified;
    notifyState();
}

void Documents::notifyReplaced(DocumentKind kind) {
    for (DocumentListener* listener : std::vector(listeners_))
        listener->documentReplaced(kind);
}

void Documents::notifyState() {
    for (DocumentListener* listener : std::vector(listeners_))
        listener->documentStateChanged();
}

} // namespace venkar
