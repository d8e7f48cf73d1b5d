#include "app/RecentFiles.h"

#include <algorithm>

namespace venkar {

namespace {

const char* kindName(DocumentKind kind) {
    return kind == DocumentKind::System ? "System" : "Lastfall";
}

bool storable(const std::string& path) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; };
    return !path.empty() && path.find_first_of(std::string("\n\r\0", 3)) == std::string::npos &&
           !blank(path.front()) && !blank(path.back());
}

} // namespace

RecentFiles::RecentFiles() {
    SettingNode& list = root_.addGroup("Zuletzt geöffnet");
    for (std::size_t i = 0; i < capacity; ++i) {
        SettingNode& place = list.addGroup(std::to_string(i + 1));
        place.addText("Art", places_[i].kind);
        place.addText("Datei", places_[i].path);
    }
}

std::vector<RecentFiles::Entry> RecentFiles::entries() const {
    std::vector<Entry> entries;
    for (const Place& place : places_) {
        Entry entry{DocumentKind::System, place.path};
        if (place.kind == kindName(DocumentKind::Load))
            entry.kind = DocumentKind::Load;
        else if (place.kind != kindName(DocumentKind::System))
            continue;
        const bool listed = std::any_of(entries.begin(), entries.end(),
                                        [&](const Entry& e) { return e.path == entry.path; });
        if (!entry.path.empty() && !listed)
            entries.push_back(std::move(entry));
    }
    return entries;
}

void RecentFiles::add(DocumentKind kind, const std::string& path) {
    if (!storable(path))
        return;
    std::vector<Entry> list = entries();
    std::erase_if(list, [&](const Entry& e) { return e.path == path; });
    list.insert(list.begin(), Entry{kind, path});
    store(list);
}

void RecentFiles::remove(const std::string& path) {
    std::vector<Entry> list = entries();
    std::erase_if(list, [&](const Entry& e) { return e.path == path; });
    store(list);
}

void RecentFiles::store(const std::vector<Entry>& entries) {
    for (std::size_t i = 0; i < capacity; ++i) {
        if (i < entries.size())
            places_[i] = {kindName(entries[i].kind), entries[i].path};
        else
            places_[i] = {};
    }
}

} // namespace venkar
