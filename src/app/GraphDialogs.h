#pragma once

#include "graphics/Colour.h"

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace venkar {

class SettingNode;

// Everything the graph window and the configuration dialogs ask the user
// through a modal system dialog. The program uses QtGraphDialogs; tests
// substitute a fake that answers at once. `parent` may be null.
class GraphDialogs {
public:
    virtual ~GraphDialogs() = default;

    // A plain message box with the program's text.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& question) = 0;
    // The file to save a plot in (its extension ".png", ".svg" or ".pdf"
    // chooses the format); empty when the user cancels.
    virtual QString plotFileToSave(QWidget* parent, const QString& suggestedName) = 0;
    // Lets the user choose and set up the printer; false when the user
    // cancels. On true the printer is ready for painting.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // A colour chosen in the colour dialog, starting from `initial`; nothing
    // when the user cancels.
    virtual std::optional<Colour> chooseColour(QWidget* parent, Colour initial) = 0;
    // Edits a number or a text setting in the value editor "Wertänderung",
    // modally.
    virtual void editSetting(QWidget* parent, SettingNode& node) = 0;
};

// The dialogs of the Qt platform: QMessageBox, QFileDialog, QPrintDialog,
// QColorDialog.
class QtGraphDialogs : public GraphDialogs {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& question) override;
    QString plotFileToSave(QWidget* parent, const QString& suggestedName) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<Colour> chooseColour(QWidget* parent, Colour initial) override;
    void editSetting(QWidget* parent, SettingNode& node) override;
};

// The dialogs of the program when nobody hands others in.
GraphDialogs& qtGraphDialogs();

} // namespace venkar
