// Writes pictures of the two input windows with an example loaded:
//   venkar-input-screenshots SYSTEM.vsy LOAD.vla OUTDIR [PAGE...]
// giving OUTDIR/geometrie.png, OUTDIR/belastung.png and the dialog "Form
// erzeugen" on the head for the example's last node, OUTDIR/form-erzeugen.png;
// with PAGE arguments (tab captions, "Windlast") instead the window showing
// each page, as OUTDIR/<caption in lower case, blanks as '-'>.png. Runs on
// the offscreen platform unless the environment chooses another.

#include "documents/Documents.h"
#include "input/LoadForm.h"
#include "input/QtInputMessages.h"
#include "input/ShapeDialog.h"
#include "input/SystemForm.h"
#include "input/UndoHistory.h"
#include "input/UserGrid.h"
#include "model/Model.h"

#include <QApplication>
#include <QComboBox>
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

// The window showing each named page; false when a name is no page.
bool grabPages(venkar::InputForm& system, venkar::InputForm& load, const QDir& out,
               const QStringList& captions) {
    for (const QString& caption : captions) {
        const QString file = caption.toLower().replace(u' ', u'-') + QStringLiteral(".png");
        bool found = false;
        for (venkar::InputForm* form : {&system, &load})
            for (int page = 0; page < form->pageCount() && !found; ++page)
                if (form->pages()->tabText(page) == caption) {
                    if (!grabWindow(*form, page, out.filePath(file)))
                        return false;
                    form->hide();
                    found = true;
                }
        if (!found) {
            std::fprintf(stderr, "no page %s\n", caption.toUtf8().constData());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: venkar-input-screenshots SYSTEM.vsy LOAD.vla OUTDIR [PAGE...]\n");
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
    if (argc > 4)
        return grabPages(system, load, out, QStringList(argv + 4, argv + argc)) ? 0 : 1;
    venkar::UndoHistory history(model, documents, venkar::DocumentKind::System);
    venkar::TShapeDialog shapes(model, history, messages);
    shapes.shapeList()->setCurrentIndex(venkar::TShapeDialog::TorisphericalHead);
    shapes.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const bool written = grabWindow(system, 0, out.filePath("geometrie.png")) &&
                         grabWindow(load, 4, out.filePath("belastung.png")) &&
                         shapes.grab().save(out.filePath("form-erzeugen.png"));
    return written ? 0 : 1;
}
