#pragma once

#include "documents/DocumentDialogs.h"

#include <optional>
#include <string>

namespace venkar {

// Every message box and file dialog of the program besides those of the
// document commands. The program shows them with Qt (QtDialogs); tests answer
// with fakes, so no test ever waits for a modal window.
class AppDialogs : public DocumentDialogs {
public:
    // A message with the information icon and an OK button.
    virtual void showInformation(const std::string& message, const std::string& caption) = 0;
    // A question with the buttons "Ja" and "Nein"; true for "Ja".
    virtual bool askYesNo(const std::string& question, const std::string& caption) = 0;
    // The browse dialog of "Editor und Seitenränder": an existing program
    // file, starting at `current`; none when cancelled.
    virtual std::optional<std::string> chooseProgram(const std::string& current) = 0;
};

} // namespace venkar
