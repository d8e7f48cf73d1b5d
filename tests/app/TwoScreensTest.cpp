// Windows that open on the screen of the main window, fully visible: the
// help window and the report viewer on a desktop of two screens.
#include "app/HelpBrowser.h"
#include "app/ScreenPlacement.h"
#include "viewer/ReportViewer.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>

namespace venkar {
namespace {

const QRect leftScreen(0, 0, 1280, 800);
const QRect rightScreen(1280, 0, 800, 600);

QRect screenOf(const QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
    return screen ? screen->geometry() : QRect();
}

TEST(ScreenPlacement, AWindowIsCentredWhereItCanAndPushedInsideWhereItCannot) {
    const QRect area(0, 0, 1000, 700);
    struct Case {
        QSize wanted;
        QPoint centre;
        QRect placed;
    };
    const Case cases[] = {
        {{400, 300}, {500, 350}, {301, 201, 400, 300}}, // fits round the centre
        {{400, 300}, {950, 650}, {600, 400, 400, 300}}, // pushed in from the lower right
        {{400, 300}, {-200, 10}, {0, 0, 400, 300}},     // pushed in from the upper left
        {{1200, 900}, {500, 350}, {0, 0, 1000, 700}},   // larger than the screen: shrunk
        {{1200, 300}, {900, 100}, {0, 0, 1000, 300}},   // too wide only
    };
    for (const Case& c : cases) {
        const QRect placed = placeWithin(c.wanted, c.centre, area);
        EXPECT_EQ(placed, c.placed) << c.wanted.width() << "x" << c.wanted.height();
        EXPECT_TRUE(area.contains(placed));
    }
    // On a screen that does not start at the origin.
    EXPECT_EQ(placeWithin({400, 300}, {2000, 550}, rightScreen), QRect(1680, 300, 400, 300));
}

TEST(TwoScreens, TheDesktopHasTheTwoScreensOfTheTest) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    EXPECT_EQ(QGuiApplication::screenAt({100, 100})->geometry(), leftScreen);
    EXPECT_EQ(QGuiApplication::screenAt({1400, 100})->geometry(), rightScreen);
}

TEST(TwoScreens, TheHelpOpensFullyVisibleOnTheScreenOfItsMainWindow) {
    QWidget main;
    main.setGeometry(1300, 50, 700, 500);
    main.show();
    HelpBrowser help(QStringLiteral(VENKAR_HELP_DIR), &main);
    ASSERT_GT(help.width(), rightScreen.width()) << "wider than the small screen";

    help.showContents();
    EXPECT_EQ(screenOf(help), rightScreen);
    EXPECT_TRUE(rightScreen.contains(help.frameGeometry()))
        << help.frameGeometry().x() << "," << help.frameGeometry().y() << " "
        << help.frameGeometry().width() << "x" << help.frameGeometry().height();

    // Closed, the main window moved to the other screen, opened again: it
    // follows the main window.
    help.close();
    main.move(100, 100);
    help.showSearch();
    EXPECT_EQ(screenOf(help), leftScreen);
    EXPECT_TRUE(leftScreen.contains(help.frameGeometry()));
}

TEST(TwoScreens, TheReportViewerOpensFullyVisibleAtThePointItIsGiven) {
    ReportViewer viewer;
    viewer.resize(1100, 900);
    placeOnScreenAt(viewer, QPoint(2000, 500));
    viewer.show();
    EXPECT_EQ(screenOf(viewer), rightScreen);
    EXPECT_TRUE(rightScreen.contains(viewer.frameGeometry()));
}

} // namespace
} // namespace venkar

int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    const QString configuration = folder.filePath(QStringLiteral("screens.json"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "links", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96},
        {"name": "rechts", "x": 1280, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + configuration).toLocal8Bit());
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
