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
        {"Knotenlast",
         "NodeLoadGrid",
         2,
         10110,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}},
         {{0, 1, 0, 0, "Nr."},
          {0, 1, 1, 1, "Kn.Nr"},
          {0, 0, 2, 4, "Lastkomponenten"},
          {1, 1, 2, 2, "r"},
          {1, 1, 3, 3, "z"},
          {1, 1, 4, 4, "R"}}},
        {"Flächenlast",
         "ShellLoadGrid",
         3,
         10115,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}},
         {{0, 2, 0, 0, "Last"},
          {0, 1, 1, 2, "Schale"},
          {2, 2, 1, 1, "von"},
          {2, 2, 2, 2, "bis"},
          {0, 0, 3, 6, "Lastkomponenten"},
          {1, 1, 3, 4, "Querrichtung"},
          {1, 1, 5, 6, "Längsrichtung"},
          {2, 2, 3, 3, "Anfang"},
          {2, 2, 4, 4, "Ende"},
          {2, 2, 5, 5, "Anfang"},
          {2, 2, 6, 6, "Ende"}}},
        {"Ringlast",
         "PointLoadGrid",
         2,
         10120,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}},
         {{0, 1, 0, 0, "Last"},
          {0, 1, 1, 1, "Schale"},
          {0, 1, 2, 2, "xPos"},
          {0, 0, 3, 5, "Lastkomponenten"},
          {1, 1, 3, 3, "r"},
          {1, 1, 4, 4, "z"},
          {1, 1, 5, 5, "R"}}},
        {"Zwgv",
         "ZwangsGrid",
         2,
         10125,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, true, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}},
         {{0, 1, 0, 0, "Nr."},
          {0, 1, 1, 1, "Knoten"},
          {0, 0, 2, 4, "Zwangsverschiebung in Richtung"},
          {1, 1, 2, 2, "r"},
          {1, 1, 3, 3, "z"},
          {1, 1, 4, 4, "R"}}},
        {"Wasserlast",
         "WasserGrid",
         2,
         10130,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 100, false, "%#.4lg"}},
         {{0, 1, 0, 0, "Last"},
          {0, 0, 1, 2, "Schale"},
          {1, 1, 1, 1, "von"},
          {1, 1, 2, 2, "bis"},
          {0, 1, 3, 3, "Nullpunkt"},
          {0, 1, 4, 4, "Wichte Gamma"}}},
        {"Schneelast",
         "SnowGrid",
         2,
         10135,
         {{C::Int, 40, true}, {C::Int, 40, true}, {C::Real, 200, false, "%#.6lg"}},
         {{0, 1, 0, 0, "Last"},
          {0, 0, 1, 2, "Schale"},
          {1, 1, 1, 1, "von"},
          {1, 1, 2, 2, "bis"},
          {0, 1, 3, 3, "Betrag"}}},
        {"Temperatur",
         "TempGrid",
         2,
         10160,
         {{C::Int, 40, true},
          {C::Int, 40, true},
          {C::Real, 100, false, "%#.4lg"},
          {C::Real, 84, false, "%#.4lg"}},
         {{0, 1, 0, 0, "Last"},
          {0, 0, 1, 2, "Schale"},
          {1, 1, 1, 1, "von"},
          {1, 1, 2, 2, "bis"},
          {0, 0, 3, 4, "Temperatur"},
          {1, 1, 3, 3, "Gleichmässige"},
          {1, 1, 4, 4, "Ungleichmässige"}}},
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
    finishConstruction(" Belastung: ", 421, 612, windowHelpContext);
    refreshFromModel();
}

void TLoadForm::selfWeightClicked(bool checked) {
    const int before = model_.selfWeight;
    model_.selfWeight = checked ? 1 : 0;
    history().recordSelfWeight(before, model_.selfWeight);
    documents_.loadChanged();
    focusCurrentGrid();
}

void TLoadForm::refreshFromModel() {
    selfWeight_->setChecked(model_.selfWeight != 0);
}

std::optional<InputFault> TLoadForm::runCheck() const {
    return checkLoad(model_);
}

int TLoadForm::pageIndex(InputPage page) const {
    return static_cast<int>(page) - static_cast<int>(InputPage::NodeLoads);
}

} // namespace venkar
