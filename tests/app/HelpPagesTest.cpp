#include "app/HelpPages.h"

#include "app/HelpContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>

namespace venkar {
namespace {

void writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QString readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

class ProgramHelpTest : public testing::Test {
protected:
    HelpPages pages{QStringLiteral(VENKAR_HELP_DIR)};
};

TEST_F(ProgramHelpTest, EveryContextNumberLeadsToAnExistingPageOrSection) {
    ASSERT_FALSE(pages.isEmpty());
    const std::vector<int> numbers = HelpPages::contextNumbers();
    EXPECT_EQ(numbers.size(), 30u);
    for (int number : numbers) {
        const std::optional<HelpTarget> target = HelpPages::contextTarget(number);
        ASSERT_TRUE(target) << number;
        EXPECT_TRUE(pages.resolves(*target)) << number << " -> " << target->page.toStdString()
                                             << "#" << target->anchor.toStdString();
    }
    EXPECT_EQ(HelpPages::contextTarget(help::ringGrid), (HelpTarget{"system.md", "ringträger"}));
    EXPECT_FALSE(HelpPages::contextTarget(4711));
}

// Links between the pages, with their sections; the file-format page is
// written with the strict file reading and may not have arrived yet.
TEST_F(ProgramHelpTest, EveryLinkBetweenPagesResolves) {
    static const QRegularExpression link(QStringLiteral(R"(\]\(([^)#:]*)(?:#([^)]*))?\))"));
    int checked = 0;
    for (const QString& page : pages.pageNames()) {
        for (const auto& match : link.globalMatch(pages.markdown(page))) {
            const QString file = match.captured(1);
            if (!file.endsWith(QStringLiteral(".md")) && !file.isEmpty())
                continue; // pictures
            if (file.contains(QLatin1Char('/')))
                continue; // the repository's own documents
            const HelpTarget target{file.isEmpty() ? page : file, match.captured(2)};
            if (target.page == QStringLiteral("dateiformat.md") && !pages.hasPage(target.page))
                continue;
            EXPECT_TRUE(pages.resolves(target))
                << page.toStdString() << ": " << match.captured(0).toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

TEST_F(ProgramHelpTest, TheContentsStartWithTheIndexAndListEveryPage) {
    const QStringList names = pages.pageNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.first(), "index.md");
    const QString index = pages.markdown("index.md");
    for (const QString& name : names) {
        if (name != "index.md") {
            EXPECT_TRUE(index.contains("(" + name)) << name.toStdString() << " is not in index.md";
        }
    }
    EXPECT_EQ(pages.pageTitle("system.md"), "Eingabe des Systems");
}

// Every message of the plausibility checks is explained on the checks page,
// word for word.
TEST_F(ProgramHelpTest, TheChecksPageQuotesEveryMessageOfTheChecks) {
    static const QRegularExpression literal(QStringLiteral(R"re("([^"\\]*[!a-z])")re"));
    const QString page = pages.markdown("pruefung.md");
    ASSERT_FALSE(page.isEmpty());
    int messages = 0;
    for (const char* source :
         {"src/checks/SystemCheck.cpp", "src/checks/LoadCheck.cpp", "src/checks/CheckRules.h"}) {
        const QString code = readFile(QStringLiteral(VENKAR_SOURCE_DIR "/") + source);
        for (const auto& match : literal.globalMatch(code)) {
            QString message = match.captured(1).trimmed();
            const bool isMessage = message.endsWith('!') || message.contains("ist nicht") ||
                                   message.contains("falsch");
            if (!isMessage || message.startsWith("checks/"))
                continue;
            message.replace("%d", "*n*");
            EXPECT_TRUE(page.contains(message)) << message.toStdString();
            ++messages;
        }
    }
    EXPECT_GT(messages, 30);
}

TEST_F(ProgramHelpTest, SearchFindsTheSectionOfAKeywordFirstWhenItIsItsHeading) {
    const std::vector<HelpSection> water = pages.search("wasserlast");
    ASSERT_FALSE(water.empty());
    EXPECT_EQ(water.front().target, (HelpTarget{"belastung.md", "wasserlast"}));

    const std::vector<HelpSection> poisson = pages.search("Querkontraktionszahl");
    ASSERT_FALSE(poisson.empty());
    EXPECT_TRUE(std::any_of(poisson.begin(), poisson.end(),
                            [](const auto& hit) { return hit.target.page == "pruefung.md"; }));

    const std::vector<HelpSection> both = pages.search("Eigengewicht Wanddicke");
    for (const HelpSection& hit : both) {
        const QString all = hit.title + hit.text;
        EXPECT_TRUE(all.contains("Eigengewicht", Qt::CaseInsensitive) &&
                    all.contains("Wanddicke", Qt::CaseInsensitive));
    }
    EXPECT_FALSE(both.empty());
    EXPECT_TRUE(pages.search("Xylophon").empty());
}

TEST_F(ProgramHelpTest, AnEmptySearchListsEverySectionByHeading) {
    const std::vector<HelpSection> index = pages.search("  ");
    ASSERT_GT(index.size(), 20u);
    for (std::size_t i = 1; i < index.size(); ++i)
        EXPECT_LE(QString::localeAwareCompare(index[i - 1].title, index[i].title), 0);
    EXPECT_TRUE(std::none_of(index.begin(), index.end(),
                             [](const auto& section) { return section.level == 1; }));
}

TEST(HelpPagesTest, AnchorsAreTheHeadingsAsTheRepositoryHostLinksThem) {
    EXPECT_EQ(HelpPages::anchorFor("Editor und Seitenränder"), "editor-und-seitenränder");
    EXPECT_EQ(HelpPages::anchorFor("N-Phi, N-Theta (kN/m)"), "n-phi-n-theta-knm");
    EXPECT_EQ(HelpPages::anchorFor("Zwgv"), "zwgv");

    QTextDocument document;
    document.setMarkdown("# Seite\n\n## Werte\n\nText\n\n## Werte\n");
    HelpPages::markHeadingAnchors(document);
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        anchors += block.begin().fragment().charFormat().anchorNames();
    EXPECT_EQ(anchors, (QStringList{"seite", "werte", "werte-1"}));
}

TEST(HelpPagesTest, TheContentsFollowTheIndexLinksThenTheOtherPagesByName) {
    QTemporaryDir folder;
    writeFile(folder.filePath("index.md"), "# Start\n\n- [B](b.md)\n- [A](a.md#teil)\n");
    writeFile(folder.filePath("a.md"), "# Seite A\n\n## Teil\n\nAlpha\n");
    writeFile(folder.filePath("b.md"), "# Seite B\n");
    writeFile(folder.filePath("c.md"), "# Seite C\n");
    writeFile(folder.filePath("bild.png"), "kein Text");

    const HelpPages pages(folder.path());
    EXPECT_EQ(pages.pageNames(), (QStringList{"index.md", "b.md", "a.md", "c.md"}));
    EXPECT_EQ(pages.pageTitle("a.md"), "Seite A");
    EXPECT_TRUE(pages.resolves({"a.md", "teil"}));
    EXPECT_FALSE(pages.resolves({"a.md", "rest"}));
    EXPECT_FALSE(pages.resolves({"d.md", ""}));
    EXPECT_TRUE(HelpPages(folder.filePath("fehlt")).isEmpty());
}

TEST(HelpPagesTest, TheFolderIsFoundNextToTheProgramOrInTheInstalledShareFolder) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    EXPECT_TRUE(HelpPages::findFolder(bin).isEmpty());

    writeFile(root.filePath("share/venkar/help/index.md"), "# Hilfe\n");
    EXPECT_EQ(HelpPages::findFolder(bin), QDir::cleanPath(root.filePath("share/venkar/help")));

    writeFile(root.filePath("bin/help/index.md"), "# Hilfe\n");
    EXPECT_EQ(HelpPages::findFolder(bin), QDir::cleanPath(root.filePath("bin/help")))
        << "the build tree's pages come first";
}

} // namespace
} // namespace venkar
