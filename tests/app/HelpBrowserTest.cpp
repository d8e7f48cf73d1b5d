#include "app/HelpBrowser.h"

#include "app/HelpContext.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace venkar {
namespace {

class HelpBrowserTest : public testing::Test {
protected:
    QString shownText() const { return browser.textBrowser()->toPlainText(); }
    int scrollPosition() const { return browser.textBrowser()->verticalScrollBar()->value(); }

    // Clicks the first link whose text is `text` in the shown page.
    void clickLink(const QString& text) {
        QTextBrowser* view = browser.textBrowser();
        QTextCursor cursor = view->document()->find(text);
        while (!cursor.isNull() && !cursor.charFormat().isAnchor())
            cursor = view->document()->find(text, cursor);
        ASSERT_FALSE(cursor.isNull()) << "no link " << text.toStdString();
        view->setTextCursor(cursor);
        view->ensureCursorVisible();
        cursor.setPosition(cursor.selectionStart() + 1);
        const QPoint point = view->cursorRect(cursor).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    }

    HelpBrowser browser{QStringLiteral(VENKAR_HELP_DIR)};
};

TEST_F(HelpBrowserTest, AContextNumberOpensItsPageAtItsSection) {
    browser.resize(900, 400);
    EXPECT_TRUE(browser.showContext(help::systemWindow));
    EXPECT_EQ(browser.currentPage(), "system.md");
    EXPECT_TRUE(shownText().startsWith("Eingabe des Systems"));
    EXPECT_EQ(scrollPosition(), 0);
    EXPECT_TRUE(browser.isVisible());

    EXPECT_TRUE(browser.showContext(help::ringGrid));
    EXPECT_EQ(browser.currentAnchor(), "ringträger");
    EXPECT_GT(scrollPosition(), 0) << "the ring-beam section lies further down";
    const QTextBlock top = browser.textBrowser()->cursorForPosition({5, 5}).block();
    EXPECT_EQ(top.text(), "Ringträger") << "the section's heading is at the top";
}

TEST_F(HelpBrowserTest, AnUnknownContextNumberShowsTheContents) {
    EXPECT_FALSE(browser.showContext(4711));
    EXPECT_EQ(browser.currentPage(), "index.md");
}

TEST_F(HelpBrowserTest, ClickingALinkOpensTheLinkedSection) {
    browser.resize(900, 500);
    browser.showContents();
    clickLink("Eingabe der Belastung");
    EXPECT_EQ(browser.currentPage(), "belastung.md");

    browser.showPage("hauptfenster.md");
    clickLink("Editor und Seitenränder");
    EXPECT_EQ(browser.currentPage(), "einstellungen.md");
    EXPECT_EQ(browser.currentAnchor(), "editor-und-seitenränder");
}

TEST_F(HelpBrowserTest, TypingAKeywordAndEnterOpensTheBestHit) {
    browser.showSearch();
    EXPECT_GT(browser.searchResults()->count(), 20) << "an empty keyword lists every section";
    browser.searchField()->clear();
    QTest::keyClicks(browser.searchField(), "schneelast");
    ASSERT_GT(browser.searchResults()->count(), 0);
    QTest::keyClick(browser.searchField(), Qt::Key_Return);
    EXPECT_EQ(browser.currentPage(), "belastung.md");
    EXPECT_EQ(browser.currentAnchor(), "schneelast");

    browser.showSearch("Singuläre");
    ASSERT_GT(browser.searchResults()->count(), 0);
    QListWidgetItem* hit = browser.searchResults()->item(0);
    const QRect rect = browser.searchResults()->visualItemRect(hit);
    QTest::mouseClick(browser.searchResults()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(browser.currentPage(), "berechnung.md");
}

TEST_F(HelpBrowserTest, TheContentsListThePagesWithTheirSections) {
    QTreeWidget* tree = browser.contentsTree();
    ASSERT_GT(tree->topLevelItemCount(), 8);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), browser.pages().pageTitle("index.md"));
    browser.show();
    QTreeWidgetItem* systemPage = nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text(0) == "Eingabe des Systems")
            systemPage = tree->topLevelItem(i);
    ASSERT_NE(systemPage, nullptr);
    systemPage->setExpanded(true);
    QTreeWidgetItem* shells = nullptr;
    for (int i = 0; i < systemPage->childCount(); ++i)
        if (systemPage->child(i)->text(0) == "Schalen")
            shells = systemPage->child(i);
    ASSERT_NE(shells, nullptr);
    tree->scrollToItem(shells);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(shells).center());
    EXPECT_EQ(browser.currentPage(), "system.md");
    EXPECT_EQ(browser.currentAnchor(), "schalen");
}

TEST_F(HelpBrowserTest, F1OpensTheContextOfTheFocusedWidgetOrItsWindow) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(grid);
    layout->addWidget(other);
    HelpBrowser::setHelpContext(&window, help::systemWindow);
    HelpBrowser::setHelpContext(grid, help::shellGrid);
    browser.installF1(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(browser.currentPage(), "system.md");
    EXPECT_EQ(browser.currentAnchor(), "schalen");

    QApplication::setActiveWindow(&window);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_F1);
    EXPECT_EQ(browser.currentAnchor(), "");
    EXPECT_EQ(HelpBrowser::helpContextOf(other), help::systemWindow);
}

TEST_F(HelpBrowserTest, F1AsksAWindowThatKnowsItsContextAtTheMomentOfTheKey) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(field);
    int context = help::waterGrid;
    browser.installF1(&window, [&] { return context; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();

    QTest::keyClick(field, Qt::Key_F1);
    EXPECT_EQ(browser.currentAnchor(), "wasserlast");
    context = help::graphWindow;
    QApplication::setActiveWindow(&window);
    QTest::keyClick(field, Qt::Key_F1);
    EXPECT_EQ(browser.currentPage(), "grafik.md");
}

TEST_F(HelpBrowserTest, AltLeftAndAltRightStepThroughThePlacesShown) {
    browser.show();
    QApplication::setActiveWindow(&browser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
    EXPECT_FALSE(browser.goBack()) << "nothing shown yet";

    browser.showContext(help::mainWindow);
    browser.showContext(help::nodeGrid);
    browser.showContext(help::snowGrid);
    QTest::keyClick(browser.textBrowser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser.currentPage(), "system.md");
    EXPECT_EQ(browser.currentAnchor(), "knoten");
    QTest::keyClick(browser.textBrowser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser.currentPage(), "hauptfenster.md");
    EXPECT_FALSE(browser.goBack()) << "the first place has nothing before it";
    QTest::keyClick(browser.textBrowser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(browser.currentAnchor(), "knoten");

    browser.showContext(help::graphWindow);
    EXPECT_FALSE(browser.goForward()) << "a new place drops the places ahead";
    EXPECT_TRUE(browser.goBack());
    EXPECT_EQ(browser.currentAnchor(), "knoten");
}

TEST_F(HelpBrowserTest, ChoosingTheSearchByClickCtrlFOrAltSPutsTheCursorIntoItsField) {
    browser.showContents();
    QApplication::setActiveWindow(&browser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
    auto* tabs = browser.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    const auto backToTheText = [&] {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        browser.textBrowser()->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), browser.textBrowser());
    };

    backToTheText();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(QApplication::focusWidget(), browser.searchField()) << "a click on the tab";

    backToTheText();
    QTest::keyClick(browser.textBrowser(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), browser.searchField()) << "Ctrl+F";

    backToTheText();
    QTest::keyClick(browser.textBrowser(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), browser.searchField()) << "Alt+S";
    QTest::keyClicks(QApplication::focusWidget(), "schnee");
    EXPECT_EQ(browser.searchField()->text(), "schnee") << "typing goes into the field";
}

TEST(HelpBrowserWithoutPagesTest, SaysWhereThePagesBelong) {
    QTemporaryDir empty;
    HelpBrowser browser(empty.path());
    browser.showContents();
    EXPECT_TRUE(browser.textBrowser()->toPlainText().startsWith("Hilfe nicht gefunden"));
    EXPECT_FALSE(browser.showContext(help::mainWindow));
}

} // namespace
} // namespace venkar
