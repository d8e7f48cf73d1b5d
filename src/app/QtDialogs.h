#pragma once

#include "app/AppDialogs.h"

#include <QPointer>
#include <QWidget>

namespace venkar {

// The message boxes and file dialogs of the program, shown with Qt over the
// parent window (the main window once it exists; before, the active window)
// and brought to the front, so that no tool window covers them.
class QtDialogs : public AppDialogs {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    Answer ask(const std::string& question, const std::string& caption) override;
    std::optional<std::string> chooseFileToOpen(DocumentKind kind) override;
    std::optional<std::string> chooseFileToSave(DocumentKind kind) override;
    void showError(const std::string& message, const std::string& caption) override;
    void showInformation(const std::string& message, const std::string& caption) override;
    bool askYesNo(const std::string& question, const std::string& caption) override;
    std::optional<std::string> chooseProgram(const std::string& current) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace venkar
