#include "input/LoadForm.h"

#include "checks/LoadCheck.h"
#include "documents/Documents.h"
#include "input/UndoHistory.h"
#include "model/Model.h"

#include <QCheckBox>
#include <QToolBar>

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
      selfWeight_(new QCheckBox(QStringLiteral("Ei&gengewicht"))) {
    buildToolBar({"Lastfall neu", "Lastfall öffnen", "Lastfall Speichern",
                  "Zeile löschen (strg-Entf)", "Plausibilitätskontrolle"});
    auto* bar = new QToolBar(this);
    bar->addWidget(selfWeight_);
    addAboveToolBar(bar);
    connect(selfWeight_, &QCheckBox::clicked, this, &TLoadForm::selfWeightClicked);
    const auto& pages = loadPages();
    addPage(pages[0], model.nodeLoads);
    addPage(pages[1], model.shellLoads);
    addPage(pages[2], model.pointLoads);
    addPage(pages[3], model.constraintLoads);
    addPage(pages[4], model.waterLoads);
    addPage(pages[5], model.snowLoads);
    addPage(pages[6], model.tempLoads);
    addPage(pages[7], model.windLoads);
    addPage(pages[8], model.windCoefficients);
    addPage(pages[9], model.harmonicLoads);
    addPage(pages[10], model.harmonicNodeLoads);
    addPage(pages[11], model.angleLoads);
    addPage(pages[12], model.siloLoads);
    addPage(pages[13], model.hopperLoads);
    addPage(pages[14], model.siloPatches);
    finishConstruction(" Belastung: ", 421, 612, windowHelpContext);
    refreshFromModel();
}

void TLoadForm::selfWeightClicked(bool checked) {
    history().recordSelfWeight(model_.selfWeight() ? 1 : 0, checked ? 1 : 0);
    model_.setSelfWeight(checked); // reports the load change
    focusCurrentGrid();
}

void TLoadForm::refreshFromModel() {
    selfWeight_->setChecked(model_.selfWeight());
}

std::optional<InputFault> TLoadForm::runCheck() const {
    return checkLoad(model_);
}

int TLoadForm::pageIndex(InputPage page) const {
    return static_cast<int>(page) - static_cast<int>(InputPage::NodeLoads);
}

} // namespace venkar
