#pragma once

#include "input/InputForm.h"

namespace venkar {

// The system window "Geometrie": the pages "Knoten", "Schalen",
// "Materialien", "Gelenke" and "Ringträger", one grid each, bound to the
// model's five system tables, and the tool bar with the system's file
// commands, row deletion and the plausibility check.
class TSystemForm : public InputForm {
    Q_OBJECT
public:
    // `model`, `documents` and `messages` must outlive the window (not
    // owned). `history` (not owned; may be null) is the system's undo
    // history when it should outlive the window; without it the window keeps
    // its own. The new window shows the first page with the cursor in row 1,
    // column 1 and the caption from the system file name.
    TSystemForm(Model& model, Documents& documents, InputMessages& messages,
                QWidget* parent = nullptr, UndoHistory* history = nullptr);

    static constexpr int windowHelpContext = 10050;

protected:
    std::optional<InputFault> runCheck() const override;
    int pageIndex(InputPage page) const override;
};

} // namespace venkar
