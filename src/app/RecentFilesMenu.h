#pragma once

#include "app/RecentFiles.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace venkar {

// The recent files at the end of a menu: "&1 /pfad/tank.vsy" … "&8 …" with
// the shortcuts Alt+1 … Alt+8 and the full name as hint, then a separator.
// Places beyond the list are hidden (and so are their shortcuts), the
// separator too while the list is empty.
class RecentFilesMenu : public QObject {
public:
    using Open = std::function<void(const RecentFiles::Entry&)>;
    // Appends the places to `menu` (which owns them); `open` is called with
    // the entry whose place was chosen.
    RecentFilesMenu(QMenu& menu, Open open);

    // Shows the entries of `files`.
    void show(const RecentFiles& files);
    // The place `index` (0-based) for tests.
    QAction* place(std::size_t index) const { return places_.at(index); }

private:
    Open open_;
    std::array<QAction*, RecentFiles::capacity> places_{};
    std::vector<RecentFiles::Entry> shown_;
    QAction* separator_ = nullptr;
};

} // namespace venkar
