#pragma once

#include "input/InputForm.h"

class QAction;
class QCheckBox;
class QLineEdit;

namespace venkar {

// The load window "Belastung": the pages "Knotenlast", "Flächenlast",
// "Ringlast", "Zwgv", "Wasserlast", "Schneelast" and "Temperatur", one grid
// each, bound to the model's seven load tables; the tool bar with the load
// case's file commands, row deletion and the plausibility check; and above
// the pages the check box "Eigengewicht" bound to the self-weight switch and
// the field "Harmonische" bound to the harmonic count (empty: not set); on
// the page "Druckbeiwerte" the command "Vorlage…" (tool button and the
// grid's right-click menu), which fills the table from a preset.
class TLoadForm : public InputForm {
    Q_OBJECT
public:
    // As TSystemForm: `model`, `documents` and `messages` must outlive the
    // window; `history` (may be null) is the load case's undo history.
    TLoadForm(Model& model, Documents& documents, InputMessages& messages,
              QWidget* parent = nullptr, UndoHistory* history = nullptr);

    static constexpr int windowHelpContext = 10055;
    QCheckBox* selfWeightBox() const { return selfWeight_; }
    QLineEdit* harmonicCountField() const { return harmonicCount_; }
    QAction* presetAction() const { return preset_; }
    // "Vorlage…": asks for a preset of pressure coefficients and, when the
    // table holds rows, whether to replace them; then the table holds the
    // preset's points, as one step of the history.
    void fillPressurePreset();

protected:
    std::optional<InputFault> runCheck() const override;
    int pageIndex(InputPage page) const override;
    void refreshFromModel() override;

private:
    void selfWeightClicked(bool checked);
    // Takes the field's text as the harmonic count: empty clears it, a whole
    // number from 1 to 400 sets it, anything else is refused with a message
    // and the field shows the stored count again.
    void harmonicCountEdited();

    QCheckBox* selfWeight_;
    QLineEdit* harmonicCount_;
    QAction* preset_ = nullptr;      // the tool button's action
    QAction* presetShown_ = nullptr; // its place in the bar, shown on one page
};

} // namespace venkar
