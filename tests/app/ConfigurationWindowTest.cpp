#include "GraphWindowTestSupport.h"

#include "app/ConfigurationWindow.h"
#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "app/ValueEditor.h"
#include "graphics/GraphSettings.h"
#include "graphics/SettingNode.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace venkar;
using namespace venkar::test;

namespace {

// The tree item of a node, found by its labels below "Grafik-Einstellung".
QTreeWidgetItem* itemAt(QTreeWidget* tree, const QStringList& labels) {
    QTreeWidgetItem* item = tree->topLevelItem(0)->child(0);
    for (const QString& label : labels) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == label)
                next = item->child(i);
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
    QVERIFY(item);
    tree->scrollToItem(item);
    QCoreApplication::processEvents();
    const QPoint at = tree->visualItemRect(item).center();
    // The view acts on a double click only over the item pressed before.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class ConfigurationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theTreeShowsTheSettingsUnderEinstellung() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        TTreeForm form(settings, dialogs);
        QCOMPARE(form.windowTitle(), QStringLiteral("Konfiguration"));
        QCOMPARE(form.tree()->topLevelItem(0)->text(0), QStringLiteral("Einstellung"));
        QCOMPARE(form.tree()->topLevelItem(0)->childCount(), 2);
        QTreeWidgetItem* width = itemAt(form.tree(), {"Geometrie", "Knoten", "Linie", "Dicke"});
        QVERIFY(width);
        QCOMPARE(TTreeForm::nodeOf(width), settings.find("Geometrie/Knoten/Linie/Dicke"));
        // Above the main window only, never above the program's message boxes.
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void doubleClickingAColourStoresTheChosenColourAndAnnouncesTheChange() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        dialogs.colour = colours::red;
        TTreeForm form(settings, dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.tree()->expandAll();
        QSignalSpy announced(&form, &TTreeForm::settingsChanged);
        doubleClick(form.tree(), itemAt(form.tree(), {"Symmetrieachse", "Linie", "Farbe"}));
        QCOMPARE(settings.values.axis.lineColour, colours::red);
        QCOMPARE(dialogs.offeredColour, colours::grey); // the default is preselected
        QCOMPARE(announced.count(), 1);

        // Cancelled, or a group: nothing changes, the windows still redraw.
        dialogs.colour.reset();
        doubleClick(form.tree(), itemAt(form.tree(), {"Symmetrieachse", "Linie", "Farbe"}));
        doubleClick(form.tree(), itemAt(form.tree(), {"Symmetrieachse"}));
        QCOMPARE(settings.values.axis.lineColour, colours::red);
        QCOMPARE(announced.count(), 3);
        QCOMPARE(dialogs.editedSettings, 0);

        doubleClick(form.tree(), itemAt(form.tree(), {"Symmetrieachse", "Text", "Text"}));
        QCOMPARE(dialogs.editedSettings, 1);
    }

    void resetAskesFirstAndThenResetsEverythingIncludingEditorAndMargins() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        TTreeForm form(settings, dialogs);
        QSignalSpy announced(&form, &TTreeForm::settingsChanged);
        settings.values.editorAndMargins.marginLeft = 12.0;
        settings.values.editorAndMargins.editor = "kate";
        dialogs.answerYes = false;
        form.resetAll();
        QCOMPARE(dialogs.questions.front(),
                 QStringLiteral("Bestätigung: Wollen Sie wirklich alle Werte zurücksetzen ?"));
        QCOMPARE(settings.values.editorAndMargins.marginLeft, 12.0);
        QCOMPARE(announced.count(), 0);
        dialogs.answerYes = true;
        form.resetAll();
        QCOMPARE(settings.values.editorAndMargins.marginLeft, 5.0);
        QCOMPARE(settings.values.editorAndMargins.editor, std::string("VEdit.exe"));
        QCOMPARE(announced.count(), 1);
    }

    void theArrowsStepByATenthOfTheDefaultAtOnce() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        SettingNode& height = *settings.find("Symmetrieachse/Text/Höhe"); // default 0.02
        TValueEditForm editor(height, dialogs);
        QVERIFY(editor.isNumberMode());
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(editor.upButton(), Qt::LeftButton);
        QVERIFY(std::fabs(settings.values.axis.textHeight - 0.026) < 1e-15);
        QCOMPARE(editor.field()->text(), QLocale().toString(height.real(), 'g', 10));
        QTest::keyClick(editor.field(), Qt::Key_Down);
        QVERIFY(std::fabs(settings.values.axis.textHeight - 0.024) < 1e-15);
        editor.resetToDefault();
        QCOMPARE(settings.values.axis.textHeight, 0.02);
    }

    void okStoresATypedNumberInEitherNotationAndRefusesOtherText() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        SettingNode& width = *settings.find("Geometrie/Knoten/Linie/Dicke");
        {
            TValueEditForm editor(width, dialogs);
            editor.show();
            editor.field()->selectAll();
            QTest::keyClicks(editor.field(), QStringLiteral("abc"));
            QTest::keyClick(editor.field(), Qt::Key_Return);
            QCOMPARE(dialogs.messages,
                     QStringList{QStringLiteral("'abc' ist kein gültiger Gleitkommawert")});
            QVERIFY(editor.isVisible());
            QCOMPARE(settings.values.geometry.nodeLineWidth, 0.003);
            editor.field()->setText(QStringLiteral(" 0,006 "));
            QTest::keyClick(editor.field(), Qt::Key_Escape); // Esc acts as Ok
            QCOMPARE(settings.values.geometry.nodeLineWidth, 0.006);
            QVERIFY(!editor.isVisible());
        }
        QCOMPARE(parseTypedNumber(QStringLiteral("1.5e-3")), std::optional<double>(0.0015));
        QCOMPARE(parseTypedNumber(QStringLiteral("1,2,3")), std::nullopt);
    }

    void theCloseBoxKeepsTheArrowsButNotTheTypedText() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        SettingNode& width = *settings.find("Geometrie/Knoten/Linie/Dicke");
        TValueEditForm editor(width, dialogs);
        editor.show();
        editor.stepUp();
        editor.field()->setText(QStringLiteral("7"));
        editor.close();
        QVERIFY(std::fabs(settings.values.geometry.nodeLineWidth - 0.0033) < 1e-15);
    }

    void aTextSettingHidesTheArrowsAndStoresTheText() {
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        SettingNode& editorName =
            *settings.find("Editor und Seitenränder/Editor für die Textausgabe");
        TValueEditForm editor(editorName, dialogs);
        editor.show();
        QVERIFY(!editor.isNumberMode());
        QVERIFY(!editor.upButton()->isVisible());
        QCOMPARE(editor.field()->text(), QStringLiteral("VEdit.exe"));
        editor.field()->setText(QString());
        QVERIFY(editor.confirm());
        QCOMPARE(settings.values.editorAndMargins.editor, std::string());
        editor.resetToDefault();
        QCOMPARE(settings.values.editorAndMargins.editor, std::string("VEdit.exe"));
    }

    void aSettingsChangeRedrawsAGraphWindowWithoutLosingItsZoom() {
        CalculatedTank tank;
        QVERIFY(tank.ok);
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        const Colour unusual = 0x123456;
        dialogs.colour = unusual;
        TGraphForm window(tank.model, settings, nullptr, dialogs);
        window.setResults(tank.results.get());
        TTreeForm form(settings, dialogs);
        connect(&form, &TTreeForm::settingsChanged, &window,
                [&window] { TGraphForm::postModelChanged(&window, 1); });
        const auto drawsWith = [&window](Colour colour) {
            for (const PictureCommand& command : window.graphView().picture().commands())
                if (const auto* pen = std::get_if<PenColourCommand>(&command))
                    if (pen->colour == colour)
                        return true;
            return false;
        };
        window.paintBox()->zoomIn();
        const BoundingBox zoomed = window.graphView().view();
        QVERIFY(!drawsWith(unusual));
        form.editItem(itemAt(form.tree(), {"Symmetrieachse", "Linie", "Farbe"}));
        QCoreApplication::processEvents();
        QVERIFY(drawsWith(unusual));
        QCOMPARE(window.graphView().view().minX, zoomed.minX);
        QCOMPARE(window.graphView().view().maxY, zoomed.maxY);
    }
};

int runConfigurationWindowTests(int argc, char** argv) {
    ConfigurationWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ConfigurationWindowTest.moc"
