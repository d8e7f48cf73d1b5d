#pragma once

#include "input/InputForm.h"

class QCheckBox;

namespace venkar {

// The load window "Belastung": the pages "Knotenlast", "Flächenlast",
// "Ringlast", "Zwgv", "Wasserlast", "Schneelast" and "Temperatur", one grid
// each, bound to the model's seven load tables; the tool bar with the load
// case's file commands, row deletion and the plausibility check; and above
// the pages the check box "Eigengewicht" bound to the self-weight switch.
class TLoadForm : public InputForm {
    Q_OBJECT
public:
    // As TSystemForm: `model`, `documents` and `messages` must outlive the
    // window; `history` (may be null) is the load case's undo history.
    TLoadForm(Model& model, Documents& documents, InputMessages& messages,
              QWidget* parent = nullptr, UndoHistory* history = nullptr);

    static constexpr int windowHelpContext = 10055;
    QCheckBox* selfWeightBox() const { return selfWeight_; }

protected:
    std::optional<InputFault> runCheck() const override;
    int pageIndex(InputPage page) const override;
    void refreshFromModel() override;

private:
    void selfWeightClicked(bool checked);

    QCheckBox* selfWeight_;
};

} // namespace venkar
