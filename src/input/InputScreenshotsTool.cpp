// Writes pictures of the two input windows with an example loaded:
//   venkar-input-screenshots SYSTEM.vsy LOAD.vla OUTDIR
// giving OUTDIR/geometrie.png and OUTDIR/belastung.png. Runs on the
// offscreen platform unless the environment chooses another.

#include "documents/Documents.h"
#include "input/LoadForm.h"
#include "input/QtInputMessages.h"
#include "input/SystemForm.h"
#include "input/UserGrid.h"
#include "model/Model.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <clocale>
#include <cstdio>

namespace {

// The dialogs are never shown: the tool only reads the two files.
class NoDialogs : public venkar::DocumentDialogs {
public:
    venkar::Answer ask(const std::string&, const std::string&) override {
        return venkar::Answer::No;
    }
    std::optional<std::string> chooseFileToOpen(venkar::DocumentKind) override { return {}; }
    std::optional<std::string> chooseFileToSave(venkar::DocumentKind) override { return {}; }
    void showError(const std::string& message, const std::string&) override {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
};

bool grabWindow(venkar::InputForm& form, int page, const QString& path) {
    form.show();
    form.activateWindow();
    form.pages()->setCurrentIndex(page);
    form.focusCurrentGrid();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return form.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 4) {
        std::fprintf(stderr, "usage: venkar-input-screenshots SYSTEM.vsy LOAD.vla OUTDIR\n");
        return 2;
    }
    venkar::Model model;
    NoDialogs dialogs;
    venkar::Documents documents(model, dialogs);
    if (!documents.openFile(venkar::DocumentKind::System, argv[1]) ||
        !documents.openFile(venkar::DocumentKind::Load, argv[2]))
        return 1;
    venkar::QtInputMessages messages;
    const QDir out(QString::fromLocal8Bit(argv[3]));
    venkar::TSystemForm system(model, documents, messages);
    venkar::TLoadForm load(model, documents, messages);
    const bool written = grabWindow(system, 0, out.filePath("geometrie.png")) &&
                         grabWindow(load, 4, out.filePath("belastung.png"));
    return written ? 0 : 1;
}
