#include "input/SystemForm.h"

#include "checks/SystemCheck.h"
#include "model/Model.h"

namespace venkar {

namespace {

using C = ColumnSpec;

const std::vector<PageSpec>& systemPages() {
    static const std::vector<PageSpec> pages{
        {"KoorGrid",
         10080,
         {{C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Flag, 20, false},
          {C::Flag, 20, false},
          {C::Flag, 20, false},
          {C::Real, 110, false, "%#.6lg"}}},
        {"ShellGrid",
         10085,
         {{C::Int, 64, true},
          {C::Int, 64, true},
          {C::Int, 40, true},
          {C::Curvature, 60, false},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 120, false, "%#.3lg"},
          {C::Int, 60, true}}},
        {"MaterialGrid",
         10090,
         {{C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"},
          {C::Real, 110, false, "%#.6lg"}}},
        {"GelenkGrid",
         10095,
         {{C::Int, 60, true},
          {C::Real, 100, false, "%lf"},
          {C::Flag, 20, true},
          {C::Flag, 20, true},
          {C::Flag, 20, true}}},
        {"RingGrid",
         10100,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Flag, 70, true},
          {C::Flag, 70, true}}},
        {"SupportVGrid", 10170, {{C::Int, 60, true}, {C::Flag, 60, true}}},
        {"RingSectionGrid",
         10175,
         {{C::Int, 40, true},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"},
          {C::Real, 100, false, "%#.6lg"}}},
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
    addPage(pages[5], model.circumferentialSupports);
    addPage(pages[6], model.harmonicRings);
    finishConstruction(" Geometrie:  ", 453, 612, windowHelpContext);
}

std::optional<InputFault> TSystemForm::runCheck() const {
    return checkSystem(model_);
}

int TSystemForm::pageIndex(InputPage page) const {
    return static_cast<int>(page) - static_cast<int>(InputPage::Nodes);
}

} // namespace venkar
