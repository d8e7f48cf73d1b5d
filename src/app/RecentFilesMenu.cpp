#include "app/RecentFilesMenu.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

namespace venkar {

namespace {

// A long name keeps its beginning and its file name.
constexpr int longestName = 420; // pixels

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu& menu, Open open) : QObject(&menu), open_(std::move(open)) {
    for (std::size_t i = 0; i < places_.size(); ++i) {
        QAction* action = menu.addAction(QString());
        action->setShortcut(QKeySequence(QString("Alt+%1").arg(i + 1)));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] {
            // Copied: opening a file changes the list.
            if (i < shown_.size()) {
                const RecentFiles::Entry entry = shown_[i];
                open_(entry);
            }
        });
        places_[i] = action;
    }
    separator_ = menu.addSeparator();
    separator_->setVisible(false);
}

void RecentFilesMenu::show(const RecentFiles& files) {
    shown_ = files.entries();
    for (std::size_t i = 0; i < places_.size(); ++i) {
        QAction* action = places_[i];
        const bool used = i < shown_.size();
        action->setVisible(used);
        if (!used)
            continue;
        const QString path = QString::fromStdString(shown_[i].path);
        const auto* menu = qobject_cast<const QMenu*>(parent());
        const QString name =
            QFontMetrics(menu->font()).elidedText(path, Qt::ElideMiddle, longestName);
        action->setText(QString("&%1 %2").arg(i + 1).arg(QString(name).replace("&", "&&")));
        action->setStatusTip(path);
    }
    separator_->setVisible(!shown_.empty());
}

} // namespace venkar
