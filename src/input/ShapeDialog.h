#pragma once

#include "generator/AppendShape.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace venkar {

class InputMessages;
class Model;
class UndoHistory;

// The dialog "Form erzeugen": appends the nodes, shells and (when asked) the
// material of a cylinder, cone, spherical cap, torispherical or 2:1
// ellipsoidal head or a complete silo to the system, started at an existing
// node or at a point. "Ok" writes the rows as one step of the system's undo
// history and closes the dialog; dimensions that make no shape are shown as
// an input error and the dialog stays open on the faulty field.
class TShapeDialog : public QDialog {
public:
    // The shapes in the order of the list "Form".
    enum Shape { Cylinder, Cone, SphericalCap, TorisphericalHead, EllipsoidalHead, Silo };

    // `model`, `history` (the system's) and `messages` must outlive the
    // dialog (not owned). The start is the last defined node when there is
    // one, the material the last defined material when there is one.
    TShapeDialog(Model& model, UndoHistory& history, InputMessages& messages,
                 QWidget* parent = nullptr);

    // What the last "Ok" appended; none before.
    const std::optional<AppendedShape>& appended() const { return appended_; }

    QComboBox* shapeList() const { return shapeList_; }
    QRadioButton* startAtNode() const { return startAtNode_; }
    QRadioButton* startAtPoint() const { return startAtPoint_; }
    QSpinBox* startNode() const { return startNode_; }
    QLineEdit* startR() const { return startR_; }
    QLineEdit* startZ() const { return startZ_; }
    QRadioButton* existingMaterial() const { return existingMaterial_; }
    QRadioButton* newMaterial() const { return newMaterial_; }
    QSpinBox* materialNumber() const { return materialNumber_; }
    // A field of the new material: 0 E-Modul, 1 Wanddicke, 2 Querkontraktion,
    // 3 Spezifisches Gewicht.
    QLineEdit* materialField(int index) const { return materialFields_[index]; }
    // A dimension of the shape shown, by its name (objectName): a QLineEdit,
    // a QSpinBox or a QComboBox; null when the shape has none of that name.
    QWidget* dimension(const char* name) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "Ok": builds the shape and appends it; true when it was appended.
    bool generate();

private:
    QWidget* buildShapeGroup();
    QWidget* buildStartGroup();
    QWidget* buildMaterialGroup();
    void addPages();
    // The dimensions of the shape shown; throws VenkarError (and notes the
    // field) for a field that holds no number.
    ShapeChoice readShape();
    ShapeStart readStart();
    ShapeMaterial readMaterial();
    double numberIn(QLineEdit* field);
    double numberIn(const char* name) { return numberIn(lineEdit(name)); }
    int countIn(const char* name) const;
    int choiceIn(const char* name) const;
    QLineEdit* lineEdit(const char* name) const;
    // The heads' dimensions follow a start beside the axis: its diameter,
    // a Klöpper head and a cap of sphere radius D.
    void followStartRadius();
    void enableChoices();

    Model& model_;
    UndoHistory& history_;
    InputMessages& messages_;
    QComboBox* shapeList_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QRadioButton* startAtNode_ = nullptr;
    QRadioButton* startAtPoint_ = nullptr;
    QSpinBox* startNode_ = nullptr;
    QLineEdit* startR_ = nullptr;
    QLineEdit* startZ_ = nullptr;
    QRadioButton* existingMaterial_ = nullptr;
    QRadioButton* newMaterial_ = nullptr;
    QSpinBox* materialNumber_ = nullptr;
    QLineEdit* materialFields_[4] = {};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* faultyField_ = nullptr;
    std::optional<AppendedShape> appended_;
};

} // namespace venkar
