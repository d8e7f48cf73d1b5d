#include "input/ShapeDialog.h"

#include "geometry/ShellGeometry.h"
#include "input/InputMessages.h"
#include "input/UndoHistory.h"
#include "model/Error.h"
#include "model/Model.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace venkar {

namespace {

const char* const diameterName = "durchmesser";

QString numberText(double value) {
    return QString::number(value, 'g', 10);
}

QLineEdit* addNumber(QFormLayout* form, const char* name, const QString& caption, double value) {
    auto* field = new QLineEdit(numberText(value));
    field->setObjectName(name);
    field->setMinimumWidth(110);
    form->addRow(caption, field);
    return field;
}

QSpinBox* addCount(QFormLayout* form, const char* name, const QString& caption, int value) {
    auto* field = new QSpinBox;
    field->setObjectName(name);
    field->setRange(1, 1000);
    field->setValue(value);
    form->addRow(caption, field);
    return field;
}

QComboBox* addChoice(QFormLayout* form, const char* name, const QString& caption,
                     const QStringList& items) {
    auto* field = new QComboBox;
    field->setObjectName(name);
    field->addItems(items);
    form->addRow(caption, field);
    return field;
}

const QStringList travelItems{"nach unten", "nach oben"};
const QStringList bulgeItems{"nach oben", "nach unten"};

Direction travelOf(int index) {
    return index == 1 ? Direction::up : Direction::down;
}

Direction bulgeOf(int index) {
    return index == 1 ? Direction::down : Direction::up;
}

MatRecord defaultMaterial(const Model& model) {
    if (const int last = model.materials.lastDefinedRow(); last > 0)
        return model.materials.row(last - 1);
    return MatRecord{
        .youngsModulus = 2.1e8, .wallThickness = 0.01, .poissonRatio = 0.3, .specificWeight = 78.5};
}

} // namespace

TShapeDialog::TShapeDialog(Model& model, UndoHistory& history, InputMessages& messages,
                           QWidget* parent)
    : QDialog(parent), model_(model), history_(history), messages_(messages) {
    setWindowTitle("Form erzeugen");
    ok_ = new QPushButton("Ok", this);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Abbruch", this);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (generate())
            accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildShapeGroup(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildStartGroup());
    right->addWidget(buildMaterialGroup());
    right->addStretch();
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    enableChoices();
    followStartRadius();
}

QWidget* TShapeDialog::buildShapeGroup() {
    auto* group = new QGroupBox("Form", this);
    shapeList_ = new QComboBox(group);
    shapeList_->addItems({"Zylinder", "Kegel", "Kugelkalotte", "Torisphärischer Boden",
                          "Ellipsoidboden 2:1", "Silo"});
    pages_ = new QStackedWidget(group);
    addPages();
    connect(shapeList_, &QComboBox::currentIndexChanged, pages_, &QStackedWidget::setCurrentIndex);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(shapeList_);
    layout->addWidget(pages_);
    layout->addStretch();
    return group;
}

void TShapeDialog::addPages() {
    const auto page = [this] {
        auto* widget = new QWidget(pages_);
        auto* form = new QFormLayout(widget);
        form->setContentsMargins(0, 6, 0, 0);
        pages_->addWidget(widget);
        return form;
    };

    QFormLayout* cylinder = page();
    addNumber(cylinder, "hoehe", "Höhe", 5.0);
    addChoice(cylinder, "richtung", "Richtung", travelItems);
    addCount(cylinder, "schalen", "Anzahl der Schalen", 1);

    QFormLayout* cone = page();
    addNumber(cone, "hoehe", "Höhe", 2.0);
    addChoice(cone, "richtung", "Richtung", travelItems);
    QComboBox* byAngle =
        addChoice(cone, "festlegung", "Festgelegt durch", {"Endradius", "Winkel gegen die Achse"});
    addNumber(cone, "endradius", "Endradius", 1.0);
    addNumber(cone, "winkel", "Winkel gegen die Achse (°)", -30.0);
    addCount(cone, "schalen", "Anzahl der Schalen", 1);
    connect(byAngle, &QComboBox::currentIndexChanged, this, &TShapeDialog::enableChoices);

    QFormLayout* cap = page();
    addNumber(cap, "kugelradius", "Kugelradius R", 10.0);
    addNumber(cap, diameterName, "Durchmesser D", 6.0);
    addChoice(cap, "woelbung", "Wölbung", bulgeItems);
    addCount(cap, "schalen", "Anzahl der Schalen", 1);

    QFormLayout* torispherical = page();
    addNumber(torispherical, "woelbungsradius", "Wölbungsradius R", 6.0);
    addNumber(torispherical, "krempenradius", "Krempenradius r", 0.6);
    addNumber(torispherical, diameterName, "Durchmesser D", 6.0);
    addChoice(torispherical, "woelbung", "Wölbung", bulgeItems);
    addCount(torispherical, "schalen", "Schalen der Kalotte", 1);

    QFormLayout* ellipsoidal = page();
    addNumber(ellipsoidal, diameterName, "Durchmesser D", 6.0);
    addChoice(ellipsoidal, "woelbung", "Wölbung", bulgeItems);

    QFormLayout* silo = page();
    addNumber(silo, diameterName, "Durchmesser D", 6.0);
    addNumber(silo, "dachneigung", "Dachneigung (°)", 10.0);
    addNumber(silo, "wandhoehe", "Höhe der Wand", 12.0);
    addCount(silo, "wandschalen", "Schalen der Wand", 4);
    addNumber(silo, "trichterwinkel", "Trichterwinkel gegen die Achse (°)", 30.0);
    addNumber(silo, "auslauf", "Auslaufdurchmesser", 0.6);
    addCount(silo, "trichterschalen", "Schalen des Trichters", 2);
    QComboBox* support = addChoice(silo, "lagerung", "Lagerung",
                                   {"am Übergang Wand – Trichter", "auf einer Standzarge"});
    addNumber(silo, "zargenhoehe", "Höhe der Zarge", 3.0);
    connect(support, &QComboBox::currentIndexChanged, this, &TShapeDialog::enableChoices);
}

QWidget* TShapeDialog::buildStartGroup() {
    auto* group = new QGroupBox("Anfang", this);
    startAtNode_ = new QRadioButton("am Knoten", group);
    startAtPoint_ = new QRadioButton("im Punkt", group);
    startNode_ = new QSpinBox(group);
    startNode_->setRange(1, InputContainer::maxFileRowNumber);
    startR_ = new QLineEdit("3", group);
    startZ_ = new QLineEdit("0", group);
    const int lastNode = model_.nodes.lastDefinedRow();
    startNode_->setValue(std::max(lastNode, 1));
    (lastNode > 0 ? startAtNode_ : startAtPoint_)->setChecked(true);

    auto* layout = new QFormLayout(group);
    layout->addRow(startAtNode_, startNode_);
    layout->addRow(startAtPoint_);
    layout->addRow("r", startR_);
    layout->addRow("z", startZ_);
    for (QRadioButton* choice : {startAtNode_, startAtPoint_})
        connect(choice, &QRadioButton::toggled, this, [this] {
            enableChoices();
            followStartRadius();
        });
    connect(startNode_, &QSpinBox::valueChanged, this, &TShapeDialog::followStartRadius);
    connect(startR_, &QLineEdit::textEdited, this, &TShapeDialog::followStartRadius);
    return group;
}

QWidget* TShapeDialog::buildMaterialGroup() {
    auto* group = new QGroupBox("Material", this);
    existingMaterial_ = new QRadioButton("vorhandenes Material", group);
    newMaterial_ = new QRadioButton("neues Material", group);
    materialNumber_ = new QSpinBox(group);
    materialNumber_->setRange(1, InputContainer::maxFileRowNumber);
    const int lastMaterial = model_.materials.lastDefinedRow();
    materialNumber_->setValue(std::max(lastMaterial, 1));
    (lastMaterial > 0 ? existingMaterial_ : newMaterial_)->setChecked(true);

    auto* layout = new QFormLayout(group);
    layout->addRow(existingMaterial_, materialNumber_);
    layout->addRow(newMaterial_);
    const MatRecord values = defaultMaterial(model_);
    const double shown[4] = {values.youngsModulus, values.wallThickness, values.poissonRatio,
                             values.specificWeight};
    const char* captions[4] = {"E-Modul", "Wanddicke", "Querkontraktion", "Spezifisches Gewicht"};
    for (int i = 0; i < 4; ++i) {
        materialFields_[i] = new QLineEdit(numberText(shown[i]), group);
        layout->addRow(captions[i], materialFields_[i]);
    }
    for (QRadioButton* choice : {existingMaterial_, newMaterial_})
        connect(choice, &QRadioButton::toggled, this, &TShapeDialog::enableChoices);
    return group;
}

void TShapeDialog::enableChoices() {
    const bool atNode = startAtNode_->isChecked();
    startNode_->setEnabled(atNode);
    startR_->setEnabled(!atNode);
    startZ_->setEnabled(!atNode);
    const bool existing = existingMaterial_->isChecked();
    materialNumber_->setEnabled(existing);
    for (QLineEdit* field : materialFields_)
        field->setEnabled(!existing);

    QWidget* cone = pages_->widget(Cone);
    const bool byAngle = cone->findChild<QComboBox*>("festlegung")->currentIndex() == 1;
    cone->findChild<QLineEdit*>("endradius")->setEnabled(!byAngle);
    cone->findChild<QLineEdit*>("winkel")->setEnabled(byAngle);
    QWidget* silo = pages_->widget(Silo);
    silo->findChild<QLineEdit*>("zargenhoehe")
        ->setEnabled(silo->findChild<QComboBox*>("lagerung")->currentIndex() == 1);
}

void TShapeDialog::followStartRadius() {
    double r = 0.0;
    if (startAtNode_->isChecked()) {
        const int node = startNode_->value();
        if (!model_.nodes.isDefined(node - 1))
            return;
        r = model_.nodes.row(node - 1).r;
    } else {
        bool ok = false;
        r = QLocale::c().toDouble(startR_->text().trimmed().replace(',', '.'), &ok);
        if (!ok)
            return;
    }
    if (!(r > 0.0))
        return;
    const double diameter = 2.0 * r;
    const auto set = [&](Shape shape, const char* name, double value) {
        pages_->widget(shape)->findChild<QLineEdit*>(name)->setText(numberText(value));
    };
    for (Shape head : {SphericalCap, TorisphericalHead, EllipsoidalHead})
        set(head, diameterName, diameter);
    // Proposals that fit the diameter: a cap of sphere radius D, a Klöpper
    // head (R = D, r = D / 10).
    set(SphericalCap, "kugelradius", diameter);
    set(TorisphericalHead, "woelbungsradius", diameter);
    set(TorisphericalHead, "krempenradius", 0.1 * diameter);
}

QWidget* TShapeDialog::dimension(const char* name) const {
    return pages_->currentWidget()->findChild<QWidget*>(name);
}

QLineEdit* TShapeDialog::lineEdit(const char* name) const {
    return pages_->currentWidget()->findChild<QLineEdit*>(name);
}

int TShapeDialog::countIn(const char* name) const {
    return pages_->currentWidget()->findChild<QSpinBox*>(name)->value();
}

int TShapeDialog::choiceIn(const char* name) const {
    return pages_->currentWidget()->findChild<QComboBox*>(name)->currentIndex();
}

double TShapeDialog::numberIn(QLineEdit* field) {
    // The point or, as typed on a German keyboard, the comma.
    QString text = field->text().trimmed();
    text.replace(',', '.');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok) {
        faultyField_ = field;
        QString caption = "?";
        if (auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout()))
            if (auto* label = qobject_cast<QLabel*>(form->labelForField(field)))
                caption = label->text();
        raiseError("„%s“ ist keine Zahl.", caption.toStdString().c_str());
    }
    return value;
}

ShapeChoice TShapeDialog::readShape() {
    switch (shapeList_->currentIndex()) {
    case Cylinder:
        return CylinderShape{numberIn("hoehe"), travelOf(choiceIn("richtung")), countIn("schalen")};
    case Cone: {
        ConeShape cone{numberIn("hoehe"), travelOf(choiceIn("richtung")),
                       choiceIn("festlegung") == 1};
        (cone.byAngle ? cone.angle : cone.endRadius) =
            numberIn(cone.byAngle ? "winkel" : "endradius");
        cone.shells = countIn("schalen");
        return cone;
    }
    case SphericalCap:
        return SphericalCapShape{numberIn("kugelradius"), numberIn(diameterName),
                                 bulgeOf(choiceIn("woelbung")), countIn("schalen")};
    case TorisphericalHead:
        return TorisphericalHeadShape{numberIn("woelbungsradius"), numberIn("krempenradius"),
                                      numberIn(diameterName), bulgeOf(choiceIn("woelbung")),
                                      countIn("schalen")};
    case EllipsoidalHead:
        return EllipsoidalHeadShape{numberIn(diameterName), bulgeOf(choiceIn("woelbung"))};
    default: {
        SiloShape silo{.diameter = numberIn(diameterName),
                       .roofAngle = numberIn("dachneigung"),
                       .wallHeight = numberIn("wandhoehe"),
                       .wallShells = countIn("wandschalen"),
                       .hopperAngle = numberIn("trichterwinkel"),
                       .outletDiameter = numberIn("auslauf"),
                       .hopperShells = countIn("trichterschalen")};
        if (choiceIn("lagerung") == 1) {
            silo.support = SiloSupport::skirt;
            silo.skirtHeight = numberIn("zargenhoehe");
        }
        return silo;
    }
    }
}

ShapeStart TShapeDialog::readStart() {
    if (startAtNode_->isChecked())
        return ShapeStart{startNode_->value(), {}};
    return ShapeStart{0, {numberIn(startR_), numberIn(startZ_)}};
}

ShapeMaterial TShapeDialog::readMaterial() {
    if (existingMaterial_->isChecked())
        return ShapeMaterial{materialNumber_->value(), {}};
    ShapeMaterial material;
    material.record.youngsModulus = numberIn(materialFields_[0]);
    material.record.wallThickness = numberIn(materialFields_[1]);
    material.record.poissonRatio = numberIn(materialFields_[2]);
    material.record.specificWeight = numberIn(materialFields_[3]);
    return material;
}

bool TShapeDialog::generate() {
    faultyField_ = nullptr;
    try {
        const ShapeStart start = readStart();
        const ShapeMaterial material = readMaterial();
        const ShapeChoice shape = readShape();
        const ShapeRows rows = shapeRows(startPointOf(model_, start), shape);
        // One step over the three tables the shape writes.
        InputContainer* tables[] = {&model_.nodes, &model_.shells, &model_.materials};
        for (InputContainer* table : tables)
            history_.begin(*table);
        std::optional<AppendedShape> appended;
        try {
            appended = appendShape(model_, rows, start, material);
        } catch (...) {
            for (std::size_t i = 0; i < std::size(tables); ++i)
                history_.commit();
            throw;
        }
        for (std::size_t i = 0; i < std::size(tables); ++i)
            history_.commit();
        appended_ = appended;
    } catch (const VenkarError& error) {
        messages_.inputError(QString::fromStdString(error.reason()));
        if (faultyField_)
            faultyField_->setFocus();
        return false;
    }
    return true;
}

} // namespace venkar
