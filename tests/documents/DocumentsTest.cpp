#include "documents/Documents.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/FakeTableView.h"
#include "support/FileSizeLimit.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

// Answers questions and dialogs from scripted queues and records what was
// asked and shown.
class ScriptedDialogs : public DocumentDialogs {
public:
    Answer ask(const std::string& question, const std::string& caption) override {
        asked.push_back(caption + ": " + question);
        return take(answers, Answer::Cancel);
    }
    std::optional<std::string> chooseFileToOpen(DocumentKind) override {
        return take(openNames, std::optional<std::string>());
    }
    std::optional<std::string> chooseFileToSave(DocumentKind kind) override {
        saveDialogs.push_back(kind);
        return take(saveNames, std::optional<std::string>());
    }
    void showError(const std::string& message, const std::string& caption) override {
        errors.push_back(caption + ": " + message);
    }

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openNames;
    std::deque<std::optional<std::string>> saveNames;
    std::vector<std::string> asked;
    std::vector<DocumentKind> saveDialogs;
    std::vector<std::string> errors;

private:
    template <class T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class CountingListener : public DocumentListener {
public:
    void modelChanged() override { ++modelChanges; }
    int modelChanges = 0;
};

class DocumentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::freshTestFolder("venkar-documents");
        documents.addListener(&listener);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A user edit of the system and of the load case.
    void editBoth() {
        model.nodes.setCell(0, 0, 1.0);
        model.snowLoads.setCell(0, 2, 0.5);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }

    Model model;
    ScriptedDialogs dialogs;
    Documents documents{model, dialogs};
    CountingListener listener;
    fs::path folder;
};

} // namespace

TEST_F(DocumentsTest, EditsMarkTheirDocumentModifiedAndAnnounceAModelChange) {
    model.nodes.setCell(0, 0, 1.0);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
    EXPECT_EQ(listener.modelChanges, 1);
    model.tempLoads.setCell(0, 2, 10.0);
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));
    EXPECT_EQ(listener.modelChanges, 2);
}

TEST_F(DocumentsTest, NewAsksForBothDocumentsSystemFirstAndCancelDoesNotSkipTheLoad) {
    editBoth();
    dialogs.answers = {Answer::Cancel, Answer::No};
    documents.newBoth();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0], "System geändert: Geometrie erst speichern ?");
    EXPECT_EQ(dialogs.asked[1], "Lasfall geändert: Lasteingaben erst speichern ?");
    EXPECT_EQ(model.nodes.count(), 1);     // cancelled: kept
    EXPECT_EQ(model.snowLoads.count(), 0); // answered No: cleared
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
}

TEST_F(DocumentsTest, SaveWithoutNamesAsksForThemAndCancellingTheSystemStillSavesTheLoad) {
    editBoth();
    dialogs.saveNames = {std::nullopt, path("fall")};
    documents.saveBoth();
    ASSERT_EQ(dialogs.saveDialogs.size(), 2u);
    EXPECT_EQ(dialogs.saveDialogs[0], DocumentKind::System);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_EQ(documents.fileName(DocumentKind::Load), path("fall.vla")); // default extension
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
    EXPECT_TRUE(fs::exists(path("fall.vla")));
    EXPECT_EQ(Documents::shortName(documents.fileName(DocumentKind::Load)), "fall.vla");
}

TEST_F(DocumentsTest, OpenRoundTripsAFileAndKeepsTheOtherDocument) {
    model.nodes.setCell(0, 0, 2.5);
    model.nodes.changeValid(0, 0, rowEdited);
    dialogs.saveNames = {path("a.vsy")};
    documents.save(DocumentKind::System);
    model.snowLoads.setCell(0, 2, 0.5);

    dialogs.openNames = {path("a.vsy")};
    dialogs.answers = {Answer::No};
    model.nodes.setCell(0, 0, 9.0);
    documents.open(DocumentKind::System);
    EXPECT_EQ(model.nodes.row(0).r, 2.5);
    EXPECT_FALSE(documents.isModified(DocumentKind::System));
    EXPECT_EQ(documents.fileName(DocumentKind::System), path("a.vsy"));
    EXPECT_EQ(model.snowLoads.row(0).amount, 0.5);
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));
}

TEST_F(DocumentsTest, CancellingTheSaveQueryOfOpenKeepsEverything) {
    editBoth();
    dialogs.openNames = {path("whatever.vsy")};
    dialogs.answers = {Answer::Cancel};
    documents.open(DocumentKind::System);
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_TRUE(documents.fileName(DocumentKind::System).empty());
}

TEST_F(DocumentsTest, AFileThatCannotBeOpenedIsReportedAndNotBound) {
    dialogs.openNames = {path("missing.vla")};
    documents.open(DocumentKind::Load);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Fehler: Fehler beim öffnen der Lastdatei");
    EXPECT_TRUE(documents.fileName(DocumentKind::Load).empty());
}

TEST_F(DocumentsTest, AFileThatFailsWhileReadingIsNotBoundSoSavingCannotOverwriteIt) {
    const std::string broken = "NODES\n2\n    1 1 2 0 0 0 0\n" + std::string(300, 'x') + "\n";
    ASSERT_TRUE(writeTextFileAtomically(path("broken.vsy"), broken));
    dialogs.openNames = {path("broken.vsy")};
    EXPECT_THROW(documents.open(DocumentKind::System), VenkarError);
    EXPECT_EQ(model.nodes.definedCount(), 1);
    EXPECT_TRUE(documents.fileName(DocumentKind::System).empty());
    EXPECT_TRUE(documents.isModified(DocumentKind::System));

    dialogs.saveNames = {std::nullopt};
    documents.save(DocumentKind::System);
    EXPECT_EQ(dialogs.saveDialogs.size(), 1u);
    EXPECT_EQ(readTextFile(path("broken.vsy")).value(), broken);

    // The message names the file.
    try {
        documents.openFile(DocumentKind::System, path("broken.vsy"));
        ADD_FAILURE() << "no reading error";
    } catch (const VenkarError& error) {
        EXPECT_EQ(error.origin().file, path("broken.vsy"));
        EXPECT_EQ(std::string(error.what()).rfind(path("broken.vsy"), 0), 0u) << error.what();
    }
}

TEST_F(DocumentsTest, AFailedSaveInTheQueryKeepsTheDocument) {
    editBoth();
    dialogs.saveNames = {path("no-such-folder/x.vsy")};
    dialogs.answers = {Answer::Yes, Answer::No};
    documents.newBoth();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Fehler: Fehler beim öffnen der Systemdatei");
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
}

TEST_F(DocumentsTest, AnsweringYesThenCancellingTheSaveDialogCancelsNewForEitherDocument) {
    editBoth();
    dialogs.answers = {Answer::Yes, Answer::Yes};
    dialogs.saveNames = {std::nullopt, std::nullopt};
    EXPECT_FALSE(documents.newDocument(DocumentKind::System));
    EXPECT_FALSE(documents.newDocument(DocumentKind::Load));
    EXPECT_EQ(dialogs.saveDialogs.size(), 2u);
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_EQ(model.snowLoads.count(), 1);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));

    // Open asks the same question before it reads: nothing is read.
    ASSERT_TRUE(writeTextFileAtomically(path("other.vsy"), "NODES\n0\n\n"));
    dialogs.openNames = {path("other.vsy")};
    dialogs.answers = {Answer::Yes};
    dialogs.saveNames = {std::nullopt};
    documents.open(DocumentKind::System);
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_TRUE(documents.fileName(DocumentKind::System).empty());
}

TEST_F(DocumentsTest, AnsweringYesThenCancellingTheSaveDialogKeepsTheProgramOpen) {
    editBoth();
    dialogs.answers = {Answer::Yes};
    dialogs.saveNames = {std::nullopt};
    EXPECT_FALSE(documents.queryClose());
    EXPECT_EQ(dialogs.asked.size(), 1u); // the load case is not asked
    EXPECT_EQ(model.nodes.count(), 1);

    dialogs.answers = {Answer::No, Answer::Yes};
    dialogs.saveNames = {std::nullopt};
    EXPECT_FALSE(documents.queryClose());
    EXPECT_EQ(model.snowLoads.count(), 1);

    dialogs.answers = {Answer::No, Answer::Yes};
    dialogs.saveNames = {path("fall")};
    EXPECT_TRUE(documents.queryClose());
    EXPECT_TRUE(fs::exists(path("fall.vla")));
}

TEST_F(DocumentsTest, SavingStoresTheCellBeingEditedFirst) {
    // A grid whose editor holds "r = 4.5" for node 1 until asked to store it.
    class EditingGrid : public test::FakeTableView {
    public:
        explicit EditingGrid(Model& model) : model_(model) {}
        void commitPendingEdit() override {
            test::FakeTableView::commitPendingEdit();
            model_.nodes.setCell(0, 0, 4.5);
            model_.nodes.changeValid(0, 0, rowEdited);
        }

    private:
        Model& model_;
    } grid(model);
    model.nodes.attachGrid(&grid);
    dialogs.saveNames = {path("knoten")};
    ASSERT_TRUE(documents.save(DocumentKind::System));
    EXPECT_EQ(std::count(grid.events.begin(), grid.events.end(), "commit"), 1);
    EXPECT_FALSE(documents.isModified(DocumentKind::System));
    Model reread;
    readSystemText(reread, readTextFile(path("knoten.vsy")).value());
    EXPECT_EQ(reread.nodes.definedCount(), 1);
    EXPECT_EQ(reread.nodes.row(0).r, 4.5);
    model.nodes.attachGrid(nullptr);
}

TEST_F(DocumentsTest, CloseQueryClearsNothingAndStopsAtCancel) {
    editBoth();
    dialogs.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(documents.queryClose());
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_EQ(model.snowLoads.count(), 1);

    dialogs.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(documents.queryClose());
}

TEST_F(DocumentsTest, NewLoadKeepsTheSelfWeightSwitch) {
    model.setSelfWeight(1);
    documents.newDocument(DocumentKind::Load);
    EXPECT_EQ(model.selfWeight(), 1);
}

TEST_F(DocumentsTest, ASaveThatFailsPartWayKeepsTheFileAndTheModifiedFlag) {
    dialogs.saveNames = {path("gross.vsy")};
    model.nodes.setCell(0, 0, 1.0);
    model.nodes.changeValid(0, 0, rowEdited);
    documents.save(DocumentKind::System);
    const std::string saved = readTextFile(path("gross.vsy")).value();

    for (int row = 0; row < 2000; ++row) {
        model.nodes.setCell(row, 0, 1.0 + row);
        model.nodes.changeValid(row, 0, rowEdited);
    }
    {
        test::FileSizeLimit diskFull(8192);
        EXPECT_FALSE(documents.save(DocumentKind::System));
    }
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Fehler: Fehler beim öffnen der Systemdatei");
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_EQ(readTextFile(path("gross.vsy")).value(), saved);
}

TEST_F(DocumentsTest, AFileOfTheWrongKindIsRefusedBeforeTheQueryAndChangesNothing) {
    editBoth();
    dialogs.saveNames = {path("fall.vla")};
    documents.save(DocumentKind::Load);
    model.snowLoads.setCell(0, 2, 0.75);
    ASSERT_TRUE(writeTextFileAtomically(path("leer.vla"), ""));

    // The load file offered as system, an empty file offered as load case.
    dialogs.openNames = {path("fall.vla"), path("leer.vla")};
    documents.open(DocumentKind::System);
    documents.open(DocumentKind::Load);
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_EQ(dialogs.errors[0], "Fehler: Die Datei " + path("fall.vla") +
                                     " enthält keine Systemdaten (NODES, SHELLS, MATERIALS, "
                                     "HINGES, RINGS).");
    EXPECT_EQ(dialogs.errors[1], "Fehler: Die Datei " + path("leer.vla") +
                                     " enthält keine Lastfalldaten (NODELOAD, SHELLLOAD, "
                                     "POINTLOAD, CONSTRAINTLOAD, WATERLOAD, SNOWLOAD, "
                                     "TEMPERATURE, EIGENGEWICHT).");
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_EQ(model.snowLoads.row(0).amount, 0.75);
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));
    EXPECT_EQ(documents.fileName(DocumentKind::Load), path("fall.vla"));

    EXPECT_FALSE(documents.openFile(DocumentKind::Load, path("leer.vla")));
    EXPECT_EQ(documents.fileName(DocumentKind::Load), path("fall.vla"));
    EXPECT_EQ(model.snowLoads.row(0).amount, 0.75);
}

TEST_F(DocumentsTest, AReadingErrorNamesTheFileLineAndSection) {
    ASSERT_TRUE(writeTextFileAtomically(path("komma.vla"), "SNOWLOAD\n1\n    1 1 1 0,75\n"));
    try {
        documents.openFile(DocumentKind::Load, path("komma.vla"));
        ADD_FAILURE();
    } catch (const VenkarError& error) {
        EXPECT_EQ(std::string(error.what()), path("komma.vla") +
                                                 ", Zeile 3 (Abschnitt SNOWLOAD): Ungültige "
                                                 "Zahl \"0,75\"\n    1 1 1 0,75");
    }
    EXPECT_TRUE(documents.fileName(DocumentKind::Load).empty());
}

TEST_F(DocumentsTest, RestoreReplacesTheDocumentKeepsItsNameAndMarksItModified) {
    Model source;
    source.nodes.setCell(0, 0, 2.5);
    source.nodes.setCell(1, 1, 4.0);
    const std::string text = writeSystemText(source);
    model.nodes.setCell(5, 0, 9.0); // replaced by the restore
    documents.restore(DocumentKind::System, text, "/daten/tank.vsy");
    EXPECT_EQ(writeSystemText(model), text);
    EXPECT_EQ(documents.fileName(DocumentKind::System), "/daten/tank.vsy");
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
}
