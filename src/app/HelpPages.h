#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QTextDocument;

namespace venkar {

// A place in the help: a page (file name relative to the help folder, for
// example "system.md") and a section anchor on it (empty = the page's top).
struct HelpTarget {
    QString page;
    QString anchor;
    bool operator==(const HelpTarget&) const = default;
};

// One heading of a page with the text up to the next heading.
struct HelpSection {
    HelpTarget target;
    QString title; // the heading as shown
    int level = 1; // 1 = the page title, 2 = "##", ...
    QString text;  // the plain text under the heading
};

// The help: the Markdown pages of one folder, their sections, the contents
// order, the keyword search and the context numbers of the windows.
//
// The pages are plain Markdown as the repository shows them. A section's
// anchor is the heading turned into a link name the way the repository host
// does it (lower case, blanks to "-", punctuation dropped), so that a link
// "system.md#knoten" works on both.
class HelpPages {
public:
    // Reads every "*.md" file of `folder`. The contents order is the order
    // in which index.md links to the pages, then the rest by name. A folder
    // without pages gives an empty help.
    explicit HelpPages(const QString& folder);

    QString folder() const { return folder_; }
    bool isEmpty() const { return pages_.empty(); }

    // The pages in contents order, with their titles (first headings).
    QStringList pageNames() const;
    QString pageTitle(const QString& page) const;
    // The Markdown text of a page; empty for a page that does not exist.
    QString markdown(const QString& page) const;
    bool hasPage(const QString& page) const;
    // Whether `target` names an existing page and, when it has an anchor,
    // a section on it.
    bool resolves(const HelpTarget& target) const;

    // Every section of every page, pages in contents order.
    const std::vector<HelpSection>& sections() const { return sections_; }

    // Sections whose heading or text contains every word of `keywords`
    // (case-insensitive); those whose heading contains them come first.
    // Empty keywords list every section below a page title (the keyword
    // index), sorted by heading.
    std::vector<HelpSection> search(const QString& keywords) const;

    // The target of a help context number (see HelpContext.h); none for an
    // unknown number.
    static std::optional<HelpTarget> contextTarget(int contextNumber);
    // Every context number the program uses.
    static std::vector<int> contextNumbers();

    // The link name of a heading.
    static QString anchorFor(const QString& heading);
    // Gives every heading of `document` its anchor name, so that
    // QTextBrowser::scrollToAnchor finds it.
    static void markHeadingAnchors(QTextDocument& document);

    // The help folder of a program whose executable lies in `programFolder`:
    // "help" next to it (the build tree), or the installed share folder
    // relative to it. Empty when neither holds index.md.
    static QString findFolder(const QString& programFolder);

private:
    struct Page {
        QString name;
        QString title;
        QString markdown;
    };

    void readSections(const Page& page);
    const Page* find(const QString& name) const;

    QString folder_;
    std::vector<Page> pages_;
    std::vector<HelpSection> sections_;
};

} // namespace venkar
