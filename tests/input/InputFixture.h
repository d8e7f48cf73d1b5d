#pragma once

#include "documents/Documents.h"
#include "input/InputMessages.h"
#include "input/LoadForm.h"
#include "input/SystemForm.h"
#include "input/UserGrid.h"
#include "model/Model.h"

#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace venkar::test {

// Records every beep and message; answers questions and value dialogs from
// queues.
class FakeInputMessages : public InputMessages {
public:
    void beep() override { ++beeps; }
    bool confirmRowDelete() override {
        ++deleteQuestions;
        return confirmAnswer;
    }
    std::optional<double> askValue(const QString& caption) override {
        valueCaptions.push_back(caption);
        if (values.empty())
            return std::nullopt;
        const std::optional<double> value = values.front();
        values.pop_front();
        return value;
    }
    void inputError(const QString& message) override {
        inputErrors.push_back(message);
        if (onInputError)
            onInputError();
    }
    void pasteError(const QString& message) override { pasteErrors.push_back(message); }
    void commandError(const QString& message) override { commandErrors.push_back(message); }
    std::optional<PresetChoice> choosePreset(const QStringList& names) override {
        presetNames = names;
        return presetChoice;
    }
    bool confirmReplace(const QString& question) override {
        replaceQuestions.push_back(question);
        return replaceAnswer;
    }

    std::function<void()> onInputError; // sees the window as the box shows
    int beeps = 0;
    int deleteQuestions = 0;
    bool confirmAnswer = true;
    std::deque<std::optional<double>> values;
    QStringList valueCaptions;
    QStringList inputErrors;
    QStringList pasteErrors;
    QStringList commandErrors;
    QStringList presetNames;
    std::optional<PresetChoice> presetChoice;
    QStringList replaceQuestions;
    bool replaceAnswer = false;
};

// Answers the document commands' questions and file dialogs.
class FakeDocumentDialogs : public DocumentDialogs {
public:
    Answer ask(const std::string&, const std::string&) override { return answer; }
    std::optional<std::string> chooseFileToOpen(DocumentKind) override { return openName; }
    std::optional<std::string> chooseFileToSave(DocumentKind) override { return saveName; }
    void showError(const std::string& message, const std::string&) override {
        errors.push_back(message);
    }
    Answer answer = Answer::No;
    std::optional<std::string> openName;
    std::optional<std::string> saveName;
    std::vector<std::string> errors;
};

// A model with its documents and both input windows, shown on the offscreen
// screen.
class InputFixture : public ::testing::Test {
protected:
    void SetUp() override {
        systemForm = std::make_unique<TSystemForm>(model, documents, messages);
        loadForm = std::make_unique<TLoadForm>(model, documents, messages);
    }
    void TearDown() override {
        systemForm.reset();
        loadForm.reset();
    }

    // Shows the window, makes it active and returns the grid of `page`.
    TUserGrid& showPage(InputForm& form, int page) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.pages()->setCurrentIndex(page);
        TUserGrid& grid = *form.grid(page);
        grid.setFocus();
        QApplication::processEvents();
        return grid;
    }

    static void type(TUserGrid& grid, const QString& text) { QTest::keyClicks(&grid, text); }
    static void key(TUserGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&grid, key, modifiers);
    }

    Model model;
    FakeDocumentDialogs dialogs;
    Documents documents{model, dialogs};
    FakeInputMessages messages;
    std::unique_ptr<TSystemForm> systemForm;
    std::unique_ptr<TLoadForm> loadForm;
};

} // namespace venkar::test
