#pragma once

#include <functional>

namespace venkar {

class DocumentDialogs;

// Runs one user command. An error raised inside it (VenkarError: "Line to
// long", a refused file row, too many elements; running out of memory; any
// other exception) ends the command and is shown in a message box captioned
// "Fehler"; the program goes on. Returns false when the command ended that
// way.
bool runCommand(DocumentDialogs& dialogs, const std::function<void()>& command);

} // namespace venkar
