#pragma once

#include "app/HelpPages.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace venkar {

// The help window: the Markdown pages of the help folder in a text browser,
// with the contents (pages and their sections) and the keyword search on
// the left. One window serves the whole program; the main window creates it
// (as its parent) and calls showContents, showSearch and showContext. It
// opens on the main window's screen, fully visible; choosing the search
// (its tab, Alt+S, "Suchen", Ctrl+F) puts the cursor into the search field.
//
// F1: a window calls installF1(window); pressing F1 in it opens the help at
// the context number of the focused widget or the nearest parent that has
// one (setHelpContext), so that a grid leads to its table's section and the
// rest of the window to the window's page.
class HelpBrowser : public QWidget {
public:
    // `helpFolder`: the folder with the pages (HelpPages::findFolder).
    explicit HelpBrowser(const QString& helpFolder, QWidget* parent = nullptr);

    // The help menu's "Inhalt": the first page and the contents list.
    void showContents();
    // "Suchen": the search list with `keyword` in its field, which has the
    // keyboard focus; an empty keyword lists every section (the keyword
    // index).
    void showSearch(const QString& keyword = QString());
    // The page or section of a context number (HelpContext.h). An unknown
    // number shows the contents and returns false.
    bool showContext(int contextNumber);
    // A page and an optional section; false when the page does not exist.
    // Every place shown is added to the history.
    bool showPage(const QString& page, const QString& anchor = QString());
    // Steps back and forth through the places shown (Alt+Left, Alt+Right);
    // false at either end of the history.
    bool goBack();
    bool goForward();

    // The context number F1 uses for `widget` and its children.
    static void setHelpContext(QWidget* widget, int contextNumber);
    // The context number of `widget` or its nearest parent; 0 for none.
    static int helpContextOf(const QWidget* widget);
    // Lets F1 anywhere in `window` open the help at the focused widget's
    // context.
    void installF1(QWidget* window);
    // Lets F1 anywhere in `window` open the help at the context number
    // `contextNumber` gives at that moment (for windows that know their
    // context themselves, such as an input window and its current page).
    void installF1(QWidget* window, std::function<int()> contextNumber);

    const HelpPages& pages() const { return pages_; }
    QString currentPage() const { return currentPage_; }
    QString currentAnchor() const { return currentAnchor_; }
    QTextBrowser* textBrowser() const { return text_; }
    QLineEdit* searchField() const { return searchField_; }
    QListWidget* searchResults() const { return results_; }
    QTreeWidget* contentsTree() const { return contents_; }

private:
    QWidget* createContentsTab();
    QWidget* createSearchTab();
    void fillSearchResults();
    void followLink(const QUrl& link);
    void openItem(QTreeWidgetItem* item);
    void present();
    void placeOnMainScreen();
    void focusSearchField();
    void display(const HelpTarget& target);
    void updateHistoryActions();

    HelpPages pages_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QListWidget* results_ = nullptr;
    QTextBrowser* text_ = nullptr;
    QAction* backAction_ = nullptr;
    QAction* forwardAction_ = nullptr;
    QString currentPage_;
    QString currentAnchor_;
    std::vector<HelpTarget> history_;
    std::size_t historyPosition_ = 0; // index of the place shown in history_
    bool placedBefore_ = false;
};

} // namespace venkar
