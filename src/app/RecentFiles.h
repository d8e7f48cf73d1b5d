#pragma once

#include "documents/DocumentDialogs.h"
#include "graphics/SettingNode.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace venkar {

// The files the user opened or saved last, newest first: what the menu
// "Datei" lists. Kept in the configuration file next to the settings under
// its own root, one group per place ("EinstellungZuletzt geöffnet1Art =
// Lastfall", "EinstellungZuletzt geöffnet1Datei = /pfad/tank.vla"); a
// configuration file without these lines gives an empty list, and programs
// that do not know them skip them. No Qt.
class RecentFiles {
public:
    struct Entry {
        DocumentKind kind;
        std::string path;
        bool operator==(const Entry&) const = default;
    };
    static constexpr std::size_t capacity = 8;

    RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;

    // Newest first; places without a file or of an unknown kind are
    // skipped, and a file listed twice counts at its first place.
    std::vector<Entry> entries() const;
    // Puts `path` first (moving it there when listed already), dropping the
    // oldest beyond `capacity`. A name the configuration file cannot hold
    // as it is (a line break, a NUL byte, a blank at either end) is not
    // listed.
    void add(DocumentKind kind, const std::string& path);
    // Takes `path` off the list.
    void remove(const std::string& path);

    // The tree the configuration file reads and writes ("Einstellung" with
    // "Zuletzt geöffnet" below it); bound to this object.
    SettingNode& root() { return root_; }
    const SettingNode& root() const { return root_; }

private:
    struct Place {
        std::string kind; // "System" or "Lastfall"
        std::string path;
    };
    void store(const std::vector<Entry>& entries);

    std::array<Place, capacity> places_;
    SettingNode root_{"Einstellung"};
};

} // namespace venkar
