#include "input/SystemForm.h"

#include "checks/SystemCheck.h"
#include "model/Model.h"

namespace venkar {

namespace {

using C = ColumnSpec;

const std::vector<PageSpec>& systemPages() {
    static const std::vector<PageSpec> pages{
        {"Knoten",
         "KoorGrid",
         2,
         10080,
         {{C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Flag, 20, false},
          {C::Flag, 20, false},
          {C::Flag, 20, false},
          {C::Real, 110, false, "%#.6lg"}},
         {{0, 1, 0, 0, "Nr."},
          {0, 0, 1, 2, "Knotenkoordinaten"},
          {1, 1, 1, 1, "r"},
          {1, 1, 2, 2, "z"},
          {0, 0, 3, 6, "Auflager"},
          {1, 1, 3, 3, "r"},
          {1, 1, 4, 4, "z"},
          {1, 1, 5, 5, "R"},
          {1, 1, 6, 6, "Schiefstellung (in °)"}}},
        {"Schalen",
         "ShellGrid",
         2,
         10085,
         {{C::Int, 64, true},
          {C::Int, 64, true},
          {C::Int, 40, true},
          {C::Curvature, 60, false},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 120, false, "%#.3lg"},
          {C::Int, 60, true}},
         {{0, 1, 0, 0, "Nr."},
          {0, 0, 1, 2, "Knotennummer"},
          {1, 1, 1, 1, "Anf"},
          {1, 1, 2, 2, "Ende"},
          {0, 1, 3, 3, "Mat."},
          {0, 1, 4, 4, "Krümmung"},
          {0, 1, 5, 5, "Radius"},
          {0, 1, 6, 6, "Diskretisierungsfaktor"},
          {0, 1, 7, 7, "Intervalle"}}},
        {"Materialien",
         "MaterialGrid",
         1,
         10090,
         {{C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"}},
         {{0, 0, 0, 0, "Nr."},
          {0, 0, 1, 1, "E-Modul"},
          {0, 0, 2, 2, "Wanddicke"},
          {0, 0, 3, 3, "Querkontraktion"},
          {0, 0, 4, 4, "Spezifisches Gewicht"},
          {0, 0, 5, 5, "Elastische Bettung"},
          {0, 0, 6, 6, "Tem.ausd.Koef"}}},
        {"Gelenke",
         "GelenkGrid",
         2,
         10095,
         {{C::Int, 60, true},
          {C::Real, 100, false, "%lf"},
          {C::Flag, 20, true},
          {C::Flag, 20, true},
          {C::Flag, 20, true}},
         {{0, 1, 0, 0, "Nr."},
          {0, 1, 1, 1, "Schale"},
          {0, 1, 2, 2, "x-Position"},
          {0, 0, 3, 5, "Gelenke"},
          {1, 1, 3, 3, "N"},
          {1, 1, 4, 4, "Q"},
          {1, 1, 5, 5, "M"}}},
        {"Ringträger",
         "RingGrid",
         2,
         10100,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Flag, 70, true},
          {C::Flag, 70, true}},
         {{0, 1, 0, 0, "Nr"},
          {0, 1, 1, 1, "Knoten"},
          {0, 1, 2, 2, "A"},
          {0, 1, 3, 3, "Iy"},
          {0, 1, 4, 4, "E-Modul"},
          {0, 0, 5, 6, "Gelenkige Verbindung in"},
          {1, 1, 5, 5, "r"},
          {1, 1, 6, 6, "R"}}},
    };
    return pages;
}

} // namespace

TSystemForm::TSystemForm(Model& model, Documents& documents, InputMessages& messages,
                         QWidget* parent, UndoHistory* history)
    : InputForm(model, documents, messages, DocumentKind::System, history, parent) {
    buildToolBar({"Neue Geometrie", "Geometrie öffnen", "Geometrie Speichern",
                  "Zeile löschen (Strg-Del)", "Plausibilitätkontrolle"});
    const auto& pages = systemPages();
    addPage(pages[0], model.nodes);
    addPage(pages[1], model.shells);
    addPage(pages[2], model.materials);
    addPage(pages[3], model.hinges);
    addPage(pages[4], model.rings);
    finishConstruction(" Geometrie:  ", 453, 612, windowHelpContext);
}

std::optional<InputFault> TSystemForm::runCheck() const {
    return checkSystem(model_);
}

int TSystemForm::pageIndex(InputPage page) const {
    return static_cast<int>(page) - static_cast<int>(InputPage::Nodes);
}

} // namespace venkar
