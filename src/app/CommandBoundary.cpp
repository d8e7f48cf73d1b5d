#include "app/CommandBoundary.h"

#include "documents/DocumentDialogs.h"
#include "model/Error.h"

#include <exception>
#include <new>
#include <string>

namespace venkar {

bool runCommand(DocumentDialogs& dialogs, const std::function<void()>& command) {
    std::string message;
    try {
        command();
        return true;
    } catch (const VenkarError& error) {
        message = error.what();
    } catch (const std::bad_alloc&) {
        message = "Nicht genug Speicher";
    } catch (const std::exception& error) {
        message = std::string("Interner Fehler: ") + error.what();
    } catch (...) {
        message = "Interner Fehler";
    }
    // Shown outside the handler: the message box runs an event loop, and a
    // further error raised there must not meet an exception in flight.
    dialogs.showError(message, "Fehler");
    return false;
}

} // namespace venkar
