#include "AppFakes.h"
#include "GraphWindowTestSupport.h"
#include "TestFolder.h"

#include "analysis/AnalysisModel.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/StatusWindow.h"
#include "graphics/GraphSettings.h"
#include "input/QtInputMessages.h"
#include "model/Model.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace venkar;
using namespace venkar::testing;

namespace {

// What a message box looked like while it was the program's modal window.
struct SeenBox {
    QString caption;
    QString text;
    QWidget* parent = nullptr;
    bool active = false;
    bool statusWindowVisible = false;
};

} // namespace

// The real Qt message boxes: the failure of a calculation (a dome without
// supports) is reported in a box over the main window that has the focus,
// while the status window, a tool window of the main window that never
// stays on top, still shows.
TEST(MessagesInSight, TheCalculationErrorBoxIsTheActiveModalWindowAboveTheStatusWindow) {
    TestFolder folder;
    ProgramPlaces places;
    places.programPath = folder / "bin/venkar";
    places.configurationFile = folder / "bin/venkar.dat";
    places.temporaryFolder = folder / "tmp";
    places.recoveryFolder = folder / "wiederherstellung";
    Model model;
    AnalysisModel analysis;
    GraphSettings settings;
    QtDialogs dialogs;
    QtInputMessages inputMessages;
    test::FakeGraphDialogs graphDialogs;
    FakeLauncher launcher;
    TMDIAppForm window(model, analysis, settings, {dialogs, inputMessages, graphDialogs, launcher},
                       places);
    dialogs.setParentWindow(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const TSolForm& status = window.statusWindow();
    EXPECT_EQ(status.windowType(), Qt::Tool);
    EXPECT_FALSE(status.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(status.parentWidget(), &window);

    const std::string examples = VENKAR_EXAMPLES_DIR;
    window.openFiles({QString::fromStdString(examples + "/kuppel.vsy"),
                      QString::fromStdString(examples + "/kuppel.vla")});
    ASSERT_EQ(model.nodes.row(1).supportZ, 1);
    model.nodes.setCell(1, 3, 0); // the only support taken away

    // Looks at the modal window from inside its event loop, once it has the
    // focus (or after many tries), and closes it with Enter.
    std::vector<SeenBox> seen;
    int tries = 0;
    QTimer inspector;
    inspector.setInterval(20);
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (!box->isActiveWindow() && ++tries < 100))
            return;
        seen.push_back({box->windowTitle(), box->text(), box->parentWidget(), box->isActiveWindow(),
                        status.isVisible()});
        tries = 0;
        QTest::keyClick(box, Qt::Key_Return);
    });
    inspector.start();
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions())
        if (action->text() == "&Berechnen")
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    inspector.stop();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Berechnungsfehler");
    EXPECT_TRUE(seen[0].text.startsWith("Singuläre Steifigkeitsmatrix"))
        << seen[0].text.toStdString();
    EXPECT_EQ(seen[0].parent, &window);
    EXPECT_TRUE(seen[0].active);
    EXPECT_TRUE(seen[0].statusWindowVisible);
    EXPECT_EQ(analysis.resultsValid, 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
