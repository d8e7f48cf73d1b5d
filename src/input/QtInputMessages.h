#pragma once

#include "input/InputMessages.h"

class QWidget;

namespace venkar {

// The input messages as Qt message boxes, the value dialog TCellDialog1, the
// preset dialog TPresetDialog and
// QApplication::beep. `parent` (not owned; may be null) parents the boxes;
// without one a box belongs to the active window (messageOwner), and every
// box comes to the front when it shows.
class QtInputMessages : public InputMessages {
public:
    explicit QtInputMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void beep() override;
    bool confirmRowDelete() override;
    std::optional<double> askValue(const QString& caption) override;
    void inputError(const QString& message) override;
    void pasteError(const QString& message) override;
    void commandError(const QString& message) override;
    std::optional<PresetChoice> choosePreset(const QStringList& names) override;
    bool confirmReplace(const QString& question) override;

private:
    QWidget* parent_;
};

} // namespace venkar
