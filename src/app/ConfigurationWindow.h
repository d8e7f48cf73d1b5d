#pragma once

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace venkar {

class GraphDialogs;
class GraphSettings;
class SettingNode;

// The configuration window "Konfiguration": the settings tree, read-only,
// not modal, a dialog of its parent (above it, never above the message
// boxes of the program). A double click edits the node
// under it (a colour in the colour dialog, a number or a text in the value
// editor); "Voreinstellung" sets every value back after a question. After
// each double click and each reset it announces `settingsChanged`, on which
// the main window sends the model-changed notification with 1 to every
// graph window (which keeps its view).
class TTreeForm : public QDialog {
    Q_OBJECT
public:
    // `settings` and `dialogs` are not owned and must outlive the window.
    TTreeForm(GraphSettings& settings, GraphDialogs& dialogs, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    // The setting an item stands for.
    static SettingNode* nodeOf(const QTreeWidgetItem* item);

    // Edits the node of the item as a double click does, then announces the
    // change.
    void editItem(QTreeWidgetItem* item);
    // "Voreinstellung": asks, and on Yes resets every value (the editor and
    // the page margins too) and announces the change.
    void resetAll();

signals:
    void settingsChanged();

private:
    void fill(QTreeWidgetItem* item, SettingNode& node, int& index);

    GraphSettings& settings_;
    GraphDialogs& dialogs_;
    QTreeWidget* tree_ = nullptr;
};

} // namespace venkar
