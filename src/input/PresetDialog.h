#pragma once

#include "input/InputMessages.h"

#include <QDialog>

class QComboBox;

namespace venkar {

class TMyEdit;

// The dialog "Vorlage": a list of pressure coefficient presets, the
// end-effect factor ψλ (1: none) and "Ok" (default) / "Abbrechen".
class TPresetDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPresetDialog(const QStringList& names, QWidget* parent = nullptr);
    QComboBox* presetList() const { return presets_; }
    TMyEdit* psiLambdaField() const { return psiLambda_; }
    // The preset chosen and the factor typed (full precision).
    PresetChoice choice();

private:
    QComboBox* presets_;
    TMyEdit* psiLambda_;
};

} // namespace venkar
