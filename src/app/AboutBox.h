#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace venkar {

// The about box "Info": the program picture, the program's purpose, the
// label "Version" with the version in bold beside it and "OK". The main
// window shows it modally (exec) from "Hilfe" > "Info...".
class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace venkar
