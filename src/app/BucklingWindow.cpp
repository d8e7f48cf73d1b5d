#include "app/BucklingWindow.h"

#include "app/ToolBarIcons.h"
#include "render/PictureExport.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace venkar {

namespace {

// The size of copied and saved pictures.
const QSize exportSize(1600, 1200);

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// One tab page: the picture fitted under its title on a white ground.
class PicturePage : public QWidget {
public:
    PicturePage(const TitledPicture& picture, QWidget* parent)
        : QWidget(parent), picture_(picture) {
        setMinimumSize(320, 240);
    }
    QSize sizeHint() const override { return {640, 480}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QRect below = paintHeading(painter, rect(), qText(picture_.title));
        paintView(picture_.picture, picture_.picture.boundingBox(), painter, below, 1.0, true);
    }

private:
    const TitledPicture& picture_;
};

} // namespace

TBucklingWindow::TBucklingWindow(const Model& model, const GraphSettings& settings,
                                 const BucklingResult& result, QWidget* parent,
                                 GraphDialogs& dialogs)
    : QWidget(parent), result_(result), pictures_{bucklingModePicture(model, settings, result),
                                                  bucklingCurvePicture(result)},
      dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Beulanalyse"));
    toolBar_ = new QToolBar(this);
    QAction* copy = toolBar_->addAction(toolBarIcon(QStringLiteral("copy")),
                                        QStringLiteral("In die Zwischenablage kopieren"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    QAction* save = toolBar_->addAction(toolBarIcon(QStringLiteral("save")),
                                        QStringLiteral("Als Datei speichern"));
    connect(save, &QAction::triggered, this, [this] { saveToFile(); });

    tabs_ = new QTabWidget(this);
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->addTab(new PicturePage(pictures_[modeTab], tabs_), QStringLiteral("Beulform"));
    tabs_->addTab(new PicturePage(pictures_[curveTab], tabs_), QStringLiteral("Beulkurve"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(tabs_, 1);
}

const TitledPicture& TBucklingWindow::picture(int index) const {
    return pictures_.at(static_cast<std::size_t>(index));
}

const TitledPicture& TBucklingWindow::current() const {
    return picture(tabs_->currentIndex() == curveTab ? curveTab : modeTab);
}

void TBucklingWindow::copyToClipboard() {
    const TitledPicture& shown = current();
    const QImage image = renderToImage(shown.picture, exportSize, qText(shown.title));
    QByteArray png;
    QBuffer buffer(&png);
    const bool encoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!encoded || !clipboard) {
        dialogs_.showMessage(
            this, QStringLiteral("Fehler beim Kopieren des Bildes in die Zwischenablage!"));
        return;
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(image);
    clipboard->setMimeData(data);
}

void TBucklingWindow::saveToFile() {
    const TitledPicture& shown = current();
    const QString path = dialogs_.plotFileToSave(this, tabs_->tabText(tabs_->currentIndex()) +
                                                           QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    const QString title = QStringLiteral("Venkar - ") + qText(shown.title);
    const QString lower = path.toLower();
    bool written = false;
    if (lower.endsWith(QStringLiteral(".svg")))
        written = writeSvg(shown.picture, path, exportSize, title, qText(shown.title));
    else if (lower.endsWith(QStringLiteral(".pdf")))
        written = writePdf(shown.picture, path, title, qText(shown.title));
    else
        written = writePng(shown.picture, path, exportSize, qText(shown.title));
    if (!written)
        dialogs_.showMessage(this, QStringLiteral("Fehler beim Schreiben der Datei: ") + path);
}

} // namespace venkar
