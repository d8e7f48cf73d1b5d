#include "input/LoadForm.h"

#include "checks/LoadCheck.h"
#include "documents/Documents.h"
#include "input/InputMessages.h"
#include "input/UndoHistory.h"
#include "input/UserGrid.h"
#include "loads/WindPressurePresets.h"
#include "model/Model.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>

namespace venkar {

namespace {

using C = ColumnSpec;

const std::vector<PageSpec>& loadPages() {
    static const std::vector<PageSpec> pages{
        {"NodeLoadGrid",
         10110,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"ShellLoadGrid",
         10115,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"PointLoadGrid",
         10120,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"ZwangsGrid",
         10125,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, true, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"WasserGrid",
         10130,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"SnowGrid",
         10135,
         {{C::Int, 40, true}, {C::Int, 40, true}, {C::Real, 200, false, "%#.6lg"}}},
        {"TempGrid",
         10160,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 84, false, "%#.4lg"}}},
        {"WindGrid",
         10180,
         {{C::Int, 40, true}, {C::Real, 100, false, "%#.4lg"}, {C::Real, 100, false, "%#.4lg"}}},
        {"PressureCoefficientGrid",
         10185,
         {{C::Real, 100, false, "%#.4lg"}, {C::Real, 100, false, "%#.4lg"}}},
        {"HarmonicLoadGrid",
         10190,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"}}},
        {"HarmonicNodeLoadGrid",
         10195,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"}}},
        {"AngleLoadGrid",
         10200,
         {{C::Int, 40, true},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}}},
        {"SiloLoadGrid",
         10205,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 80, false, "%#.4lg"},
          {C::Real, 64, false, "%#.4lg"},
          {C::Real, 64, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"},
          {C::Int, 56, true},
          {C::Real, 64, false, "%#.4lg"},
          {C::Real, 64, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"}}},
        {"HopperLoadGrid",
         10210,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 80, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"},
          {C::Real, 90, false, "%#.4lg"}}},
        {"SiloPatchGrid",
         10215,
         {{C::Int, 56, true},
          {C::Real, 80, false, "%#.4lg"},
          {C::Real, 64, false, "%#.4lg"},
          {C::Real, 80, false, "%#.4lg"}}},
    };
    return pages;
}

} // namespace

TLoadForm::TLoadForm(Model& model, Documents& documents, InputMessages& messages, QWidget* parent,
                     UndoHistory* history)
    : InputForm(model, documents, messages, DocumentKind::Load, history, parent),
      selfWeight_(new QCheckBox(QStringLiteral("Ei&gengewicht"))), harmonicCount_(new QLineEdit) {
    buildToolBar({"Lastfall neu", "Lastfall öffnen", "Lastfall Speichern",
                  "Zeile löschen (strg-Entf)", "Plausibilitätskontrolle"});
    auto* bar = new QToolBar(this);
    bar->addWidget(selfWeight_);
    bar->addSeparator();
    auto* harmonicsLabel = new QLabel(QStringLiteral("H&armonische:"));
    harmonicsLabel->setBuddy(harmonicCount_);
    harmonicsLabel->setContentsMargins(4, 0, 4, 0);
    bar->addWidget(harmonicsLabel);
    harmonicCount_->setObjectName(QStringLiteral("HarmonicCountField"));
    harmonicCount_->setPlaceholderText(QString::number(Model::defaultHarmonicCount));
    harmonicCount_->setToolTip(
        QStringLiteral("Harmonische der Einzellasten am Umfang (1 bis 400, leer: 40)"));
    harmonicCount_->setMaxLength(6);
    harmonicCount_->setFixedWidth(harmonicCount_->fontMetrics().horizontalAdvance("00000") + 12);
    bar->addWidget(harmonicCount_);
    addAboveToolBar(bar);
    connect(selfWeight_, &QCheckBox::clicked, this, &TLoadForm::selfWeightClicked);
    connect(harmonicCount_, &QLineEdit::editingFinished, this, &TLoadForm::harmonicCountEdited);
    connect(harmonicCount_, &QLineEdit::returnPressed, this, [this] { focusCurrentGrid(); });
    const auto& pages = loadPages();
    addPage(pages[0], model.nodeLoads);
    addPage(pages[1], model.shellLoads);
    addPage(pages[2], model.pointLoads);
    addPage(pages[3], model.constraintLoads);
    addPage(pages[4], model.waterLoads);
    addPage(pages[5], model.snowLoads);
    addPage(pages[6], model.tempLoads);
    addPage(pages[7], model.windLoads);
    TUserGrid* coefficients = addPage(pages[8], model.windCoefficients);
    addPage(pages[9], model.harmonicLoads);
    addPage(pages[10], model.harmonicNodeLoads);
    addPage(pages[11], model.angleLoads);
    addPage(pages[12], model.siloLoads);
    addPage(pages[13], model.hopperLoads);
    addPage(pages[14], model.siloPatches);
    // "Vorlage…" on the page of the pressure coefficients: a tool button shown
    // with that page, and the last entry of its grid's right-click menu.
    preset_ = new QAction(QStringLiteral("&Vorlage…"), this);
    preset_->setToolTip(QStringLiteral("Druckbeiwerte aus einer Vorlage"));
    connect(preset_, &QAction::triggered, this, [this] {
        fillPressurePreset();
        focusCurrentGrid();
    });
    auto* presetButton = new QToolButton;
    presetButton->setDefaultAction(preset_);
    presetButton->setObjectName(QStringLiteral("PresetButton"));
    bar->addSeparator();
    presetShown_ = bar->addWidget(presetButton);
    coefficients->blockMenu()->addSeparator();
    coefficients->blockMenu()->addAction(preset_);
    const int coefficientPage = pageIndex(InputPage::WindCoefficients);
    const auto showPreset = [this, coefficientPage](int page) {
        presetShown_->setVisible(page == coefficientPage);
    };
    connect(InputForm::pages(), &QTabWidget::currentChanged, this, showPreset);
    showPreset(InputForm::pages()->currentIndex());
    finishConstruction(" Belastung: ", 421, 612, windowHelpContext);
    refreshFromModel();
}

void TLoadForm::selfWeightClicked(bool checked) {
    history().recordSelfWeight(model_.selfWeight() ? 1 : 0, checked ? 1 : 0);
    model_.setSelfWeight(checked); // reports the load change
    focusCurrentGrid();
}

void TLoadForm::harmonicCountEdited() {
    const QString text = harmonicCount_->text().trimmed();
    bool number = true;
    const int count = text.isEmpty() ? 0 : text.toInt(&number);
    if (!number || (!text.isEmpty() && (count < 1 || count > Model::maxHarmonicCount))) {
        // The stored count shows again before the message box takes the
        // focus, so that leaving the field once more finds nothing to do.
        refreshFromModel();
        messages_.inputError(QStringLiteral("Anzahl der Harmonischen nicht zwischen 1 und %1")
                                 .arg(Model::maxHarmonicCount));
        return;
    }
    history().recordHarmonicCount(model_.harmonicCount(), count);
    model_.setHarmonicCount(count); // reports the load change
    refreshFromModel();
}

void TLoadForm::fillPressurePreset() {
    const auto& regimes = cylinderFlowRegimes();
    QStringList names;
    for (const CylinderFlowRegime& regime : regimes)
        names << QStringLiteral("EN 1991-1-4 Zylinder, Re = %1")
                     .arg(QString::fromUtf8(regime.reynoldsText));
    const std::optional<PresetChoice> choice = messages_.choosePreset(names);
    if (!choice || choice->index < 0 || choice->index >= names.size())
        return;
    std::vector<PressurePoint> points;
    try {
        points = cylinderPressureTable(regimes[static_cast<std::size_t>(choice->index)],
                                       choice->psiLambda);
    } catch (const std::invalid_argument& refused) {
        messages_.inputError(QString::fromUtf8(refused.what()));
        return;
    }
    InputContainer& table = model_.windCoefficients;
    table.storePendingEdit();
    if (table.definedCount() > 0 &&
        !messages_.confirmReplace(
            QStringLiteral("Die vorhandenen Druckbeiwerte durch die Vorlage ersetzen?")))
        return;
    history().begin(table);
    table.clearAll();
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int row = static_cast<int>(k);
        table.changeValid(row, 0, rowEdited);
        table.setCell(row, 0, points[k].angle);
        table.setCell(row, 1, points[k].coefficient);
    }
    history().commit();
}

void TLoadForm::refreshFromModel() {
    selfWeight_->setChecked(model_.selfWeight());
    const int count = model_.harmonicCount();
    harmonicCount_->setText(count > 0 ? QString::number(count) : QString());
}

std::optional<InputFault> TLoadForm::runCheck() const {
    return checkLoad(model_);
}

int TLoadForm::pageIndex(InputPage page) const {
    return static_cast<int>(page) - static_cast<int>(InputPage::NodeLoads);
}

} // namespace venkar
