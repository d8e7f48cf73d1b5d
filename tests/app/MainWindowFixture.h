#pragma once

#include "AppFakes.h"
#include "TestFolder.h"

#include "analysis/AnalysisModel.h"
#include "app/MainWindow.h"
#include "graphics/GraphSettings.h"
#include "model/Model.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace venkar::testing {

inline std::string examplePath(const std::string& name) {
    return std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
}

// A main window over its own model, with fake dialogs and processes and all
// its files in a fresh folder.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        places.programPath = folder / "bin/venkar";
        places.configurationFile = folder / "bin/venkar.dat";
        places.temporaryFolder = folder / "tmp";
        places.recoveryFolder = folder / "wiederherstellung";
        std::filesystem::create_directories(folder / "bin");
        std::filesystem::create_directories(places.temporaryFolder);
        window =
            std::make_unique<TMDIAppForm>(model, analysis, settings, dialogs, launcher, places);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    // The menu item `item` of the menu bar entry `menu`, by their captions.
    QAction* menuItem(const QString& menu, const QString& item) const {
        for (QAction* top : window->menuBar()->actions()) {
            if (top->text() != menu)
                continue;
            if (!top->menu())
                return top;
            if (QAction* action = findIn(top->menu(), item))
                return action;
        }
        ADD_FAILURE() << "no menu item " << menu.toStdString() << " / " << item.toStdString();
        return nullptr;
    }
    // The item named `item` in `menu` or one of its submenus.
    static QAction* findIn(QMenu* menu, const QString& item) {
        for (QAction* action : menu->actions()) {
            if (action->text() == item)
                return action;
            if (action->menu())
                if (QAction* inner = findIn(action->menu(), item))
                    return inner;
        }
        return nullptr;
    }
    void trigger(const QString& menu, const QString& item = {}) {
        if (QAction* action = menuItem(menu, item))
            action->trigger();
    }
    // Opens `menu` with a click on the menu bar, moves the mouse over its
    // item `item` and returns what the status bar shows then; the menu is
    // closed again afterwards.
    QString hintOf(const QString& menu, const QString& item) {
        QString hint;
        hoverMenuItem(menu, item, hint);
        return hint;
    }
    void hoverMenuItem(const QString& menu, const QString& item, QString& hint) {
        QMenuBar* bar = window->menuBar();
        for (QAction* top : bar->actions()) {
            if (top->text() != menu)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
            QMenu* popup = top->menu();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
            QAction* action = findIn(popup, item);
            ASSERT_TRUE(action);
            QTest::mouseMove(popup, popup->actionGeometry(action).center());
            QTest::qWait(20);
            hint = window->statusBar()->currentMessage();
            popup->close();
        }
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    void openExamples(const std::string& name) {
        dialogs.openNames = {examplePath(name + ".vsy"), examplePath(name + ".vla")};
        press(Qt::Key_F3);
        press(Qt::Key_F4);
    }

    TestFolder folder;
    Model model;
    AnalysisModel analysis;
    GraphSettings settings;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    ProgramPlaces places;
    std::unique_ptr<TMDIAppForm> window;
};

} // namespace venkar::testing
