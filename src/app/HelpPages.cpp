#include "app/HelpPages.h"

#include "app/HelpContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>

#ifndef VENKAR_INSTALLED_HELP_FROM_BIN
#define VENKAR_INSTALLED_HELP_FROM_BIN "../share/venkar/help"
#endif

namespace venkar {

namespace {

const QString indexPage = QStringLiteral("index.md");

// Context number -> page and section. The grids lead to their table's
// section on the page of their window.
const std::map<int, HelpTarget>& contextTable() {
    static const std::map<int, HelpTarget> table = {
        {help::mainWindow, {"hauptfenster.md", ""}},
        {help::systemWindow, {"system.md", ""}},
        {help::loadWindow, {"belastung.md", ""}},
        {help::nodeGrid, {"system.md", "knoten"}},
        {help::shellGrid, {"system.md", "schalen"}},
        {help::materialGrid, {"system.md", "materialien"}},
        {help::hingeGrid, {"system.md", "gelenke"}},
        {help::ringGrid, {"system.md", "ringträger"}},
        {help::nodeLoadGrid, {"belastung.md", "knotenlast"}},
        {help::shellLoadGrid, {"belastung.md", "flächenlast"}},
        {help::pointLoadGrid, {"belastung.md", "ringlast"}},
        {help::constraintGrid, {"belastung.md", "zwgv"}},
        {help::waterGrid, {"belastung.md", "wasserlast"}},
        {help::snowGrid, {"belastung.md", "schneelast"}},
        {help::temperatureGrid, {"belastung.md", "temperatur"}},
        {help::circumferentialSupportGrid, {"umfangslasten.md", "umfangsauflager"}},
        {help::ringSectionGrid, {"umfangslasten.md", "ringquerschnitt"}},
        {help::windGrid, {"umfangslasten.md", "windlast"}},
        {help::pressureCoefficientGrid, {"umfangslasten.md", "druckbeiwerte"}},
        {help::harmonicLoadGrid, {"umfangslasten.md", "umfangslast"}},
        {help::harmonicNodeLoadGrid, {"umfangslasten.md", "umfangs-knotenlast"}},
        {help::angleLoadGrid, {"umfangslasten.md", "einzellast-am-umfang"}},
        {help::siloLoadGrid, {"silolasten.md", "silolast"}},
        {help::hopperLoadGrid, {"silolasten.md", "trichterlast"}},
        {help::siloPatchGrid, {"silolasten.md", "teilflächenlast"}},
        {help::graphWindow, {"grafik.md", ""}},
        {help::bucklingWindow, {"beulanalyse.md", "fenster-beulanalyse"}},
        {help::editorAndMarginsDialog, {"einstellungen.md", "editor-und-seitenränder"}},
        {help::configurationWindow, {"einstellungen.md", "konfiguration"}},
        {help::shapeDialog, {"formen.md", ""}},
    };
    return table;
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The pages index.md links to, in the order of the links.
QStringList linkedPages(const QString& indexMarkdown) {
    static const QRegularExpression link(QStringLiteral(R"(\]\(([^)#/:]+\.md)(#[^)]*)?\))"));
    QStringList pages;
    for (const QRegularExpressionMatch& match : link.globalMatch(indexMarkdown)) {
        const QString page = match.captured(1);
        if (!pages.contains(page))
            pages.append(page);
    }
    return pages;
}

bool containsAll(const QString& text, const QStringList& words) {
    return std::all_of(words.begin(), words.end(), [&](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive);
    });
}

} // namespace

HelpPages::HelpPages(const QString& folder) : folder_(folder) {
    const QDir dir(folder);
    QStringList names = dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        return;

    QStringList order;
    if (names.contains(indexPage)) {
        order.append(indexPage);
        for (const QString& page : linkedPages(readText(dir.filePath(indexPage))))
            if (names.contains(page) && !order.contains(page))
                order.append(page);
    }
    for (const QString& name : names)
        if (!order.contains(name))
            order.append(name);

    for (const QString& name : order) {
        Page page{name, QString(), readText(dir.filePath(name))};
        readSections(page);
        const auto first = std::find_if(sections_.begin(), sections_.end(),
                                        [&](const auto& s) { return s.target.page == name; });
        page.title = first != sections_.end() ? first->title : name;
        pages_.push_back(std::move(page));
    }
}

void HelpPages::readSections(const Page& page) {
    QTextDocument document;
    document.setMarkdown(page.markdown);
    markHeadingAnchors(document);

    HelpSection* current = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level > 0) {
            const QStringList anchors = block.begin().fragment().charFormat().anchorNames();
            sections_.push_back({{page.name, anchors.value(0)}, block.text(), level, QString()});
            current = &sections_.back();
        } else if (current) {
            current->text += block.text() + QLatin1Char('\n');
        }
    }
}

const HelpPages::Page* HelpPages::find(const QString& name) const {
    const auto page =
        std::find_if(pages_.begin(), pages_.end(), [&](const Page& p) { return p.name == name; });
    return page != pages_.end() ? &*page : nullptr;
}

QStringList HelpPages::pageNames() const {
    QStringList names;
    for (const Page& page : pages_)
        names.append(page.name);
    return names;
}

QString HelpPages::pageTitle(const QString& page) const {
    const Page* found = find(page);
    return found ? found->title : QString();
}

QString HelpPages::markdown(const QString& page) const {
    const Page* found = find(page);
    return found ? found->markdown : QString();
}

bool HelpPages::hasPage(const QString& page) const {
    return find(page) != nullptr;
}

bool HelpPages::resolves(const HelpTarget& target) const {
    if (!hasPage(target.page))
        return false;
    if (target.anchor.isEmpty())
        return true;
    return std::any_of(sections_.begin(), sections_.end(),
                       [&](const HelpSection& section) { return section.target == target; });
}

std::vector<HelpSection> HelpPages::search(const QString& keywords) const {
    const QStringList words = keywords.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<HelpSection> inHeading;
    std::vector<HelpSection> inText;
    for (const HelpSection& section : sections_) {
        if (words.isEmpty()) {
            if (section.level > 1)
                inHeading.push_back(section);
        } else if (containsAll(section.title, words)) {
            inHeading.push_back(section);
        } else if (containsAll(section.title + QLatin1Char('\n') + section.text, words)) {
            inText.push_back(section);
        }
    }
    if (words.isEmpty())
        std::stable_sort(inHeading.begin(), inHeading.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.title, b.title) < 0;
        });
    inHeading.insert(inHeading.end(), inText.begin(), inText.end());
    return inHeading;
}

std::optional<HelpTarget> HelpPages::contextTarget(int contextNumber) {
    const auto& table = contextTable();
    const auto entry = table.find(contextNumber);
    if (entry == table.end())
        return std::nullopt;
    return entry->second;
}

std::vector<int> HelpPages::contextNumbers() {
    std::vector<int> numbers;
    for (const auto& [number, target] : contextTable())
        numbers.push_back(number);
    return numbers;
}

QString HelpPages::anchorFor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

void HelpPages::markHeadingAnchors(QTextDocument& document) {
    // Like the repository host, a repeated heading gets "-1", "-2", ...
    std::map<QString, int> used;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty())
            continue;
        QString anchor = anchorFor(block.text());
        const int seen = used[anchor]++;
        if (seen > 0)
            anchor += QStringLiteral("-%1").arg(seen);

        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({anchor});
        cursor.mergeCharFormat(format);
    }
}

QString HelpPages::findFolder(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& candidate :
         {program.filePath(QStringLiteral("help")),
          program.filePath(QStringLiteral(VENKAR_INSTALLED_HELP_FROM_BIN))}) {
        if (QFileInfo::exists(QDir(candidate).filePath(indexPage)))
            return QDir::cleanPath(candidate);
    }
    return {};
}

} // namespace venkar
