#include "app/GraphWindow.h"

#include "app/GraphPaintBox.h"
#include "app/ToolBarIcons.h"
#include "graphics/DiagramStation.h"
#include "graphics/GraphSettings.h"
#include "render/PictureExport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace venkar {

namespace {

// The spin edits show percentages.
constexpr int fullScale = 100;
constexpr int scaleStep = 10;
constexpr int largestScale = 100000;
// Where the caption of a printed window stands, in device pixels from the
// lower left corner of its cell.
constexpr int printCaptionInset = 6;
// Saved PNG and SVG files are at least this wide, in the paint box's
// proportions.
constexpr int savedImageWidth = 1600;
// How far from a diagram a click still picks its nearest station, in pixels.
constexpr double valueClickReach = 8.0;
// The angle edit: degrees around the circumference.
constexpr int angleStep = 5;
constexpr int fullCircle = 360;

// A position on a shell in the status line: "0,35".
QString germanPosition(double x) {
    return QString::number(x, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Sets a spin edit back to 100 % on a double click into its field.
class ResetOnDoubleClick : public QObject {
public:
    ResetOnDoubleClick(QObject* parent, std::function<void()> reset)
        : QObject(parent), reset_(std::move(reset)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            reset_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> reset_;
};

} // namespace

TGraphForm::TGraphForm(const Model& model, const GraphSettings& settings, QWidget* parent,
                       GraphDialogs& dialogs)
    : QWidget(parent), view_(model, settings), settings_(settings), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Graphische Darstellung"));
    paintBox_ = new GraphPaintBox(view_, this);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(24, 24));
    buildToolBar();

    tabs_ = new QTabBar(this);
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    syncTabs();
    connect(tabs_, &QTabBar::currentChanged, this, &TGraphForm::selectTab);

    status_ = new QLabel(this);
    status_->setContentsMargins(4, 0, 4, 2);
    valueStatus_ = new QLabel(this);
    valueStatus_->setContentsMargins(4, 0, 4, 2);
    valueStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* statusLine = new QHBoxLayout;
    statusLine->setContentsMargins(0, 0, 0, 0);
    statusLine->addWidget(status_, 1);
    statusLine->addWidget(valueStatus_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(aroundBar_);
    layout->addWidget(paintBox_, 1);
    layout->addWidget(tabs_);
    layout->addLayout(statusLine);

    connect(paintBox_, &GraphPaintBox::zoomWindowFinished, this,
            [this] { zoomWindow_->setChecked(false); });
    connect(paintBox_, &GraphPaintBox::mouseAtModelPoint, this, [this](QPointF p) {
        status_->setText(QStringLiteral("r = %1    z = %2")
                             .arg(QString::number(p.x(), 'g', 6), QString::number(p.y(), 'g', 6)));
    });
    connect(paintBox_, &GraphPaintBox::clicked, this, &TGraphForm::showValueAt);
    syncAroundControls();
    showCaption();
    // A new window follows its picture until the user zooms.
    view_.setUserView(false);
}

QAction* TGraphForm::addCommand(const QString& hint, const QIcon& icon,
                                void (TGraphForm::*command)()) {
    QAction* action = toolBar_->addAction(icon, hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, command);
    return action;
}

QAction* TGraphForm::addSwitch(const QString& hint, const QString& icon,
                               DisplaySwitch displaySwitch) {
    QAction* action = toolBar_->addAction(toolBarIcon(icon), hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setCheckable(true);
    action->setChecked(view_.isOn(displaySwitch));
    connect(action, &QAction::toggled, this, [this, displaySwitch](bool on) {
        if (view_.isOn(displaySwitch) == on)
            return; // the button only follows the switch (tab change)
        view_.setSwitch(displaySwitch, on);
        paintBox_->update();
    });
    switchActions_.emplace_back(action, displaySwitch);
    return action;
}

QSpinBox* TGraphForm::addScaleEdit(const QString& hint, void (GraphView::*setter)(double)) {
    auto* edit = new QSpinBox(toolBar_);
    edit->setRange(1, largestScale);
    edit->setSingleStep(scaleStep);
    edit->setValue(fullScale);
    edit->setSuffix(QStringLiteral(" %"));
    edit->setToolTip(hint);
    edit->setStatusTip(hint);
    edit->setAccessibleName(hint);
    connect(edit, &QSpinBox::valueChanged, this, [this, setter](int percent) {
        (view_.*setter)(percent * 0.01);
        paintBox_->update();
    });
    auto reset = [this, edit, setter] {
        const QSignalBlocker quiet(edit);
        edit->setValue(fullScale);
        (view_.*setter)(1.0);
        paintBox_->update();
    };
    edit->findChild<QLineEdit*>()->installEventFilter(new ResetOnDoubleClick(edit, reset));
    toolBar_->addWidget(edit);
    return edit;
}

void TGraphForm::buildToolBar() {
    addCommand(QStringLiteral("Drucken"), toolBarIcon(QStringLiteral("print")), &TGraphForm::print);
    QAction* copy = addCommand(QStringLiteral("In Zwischenablage kopieren"),
                               toolBarIcon(QStringLiteral("copy")), &TGraphForm::copyToClipboard);
    copy->setShortcut(QKeySequence::Copy);
    // Ctrl+C anywhere in the window, not only in the tool bar.
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    addCommand(QStringLiteral("Als Datei speichern"), toolBarIcon(QStringLiteral("save")),
               &TGraphForm::saveToFile);
    toolBar_->addSeparator();

    zoomWindow_ = toolBar_->addAction(toolBarIcon(QStringLiteral("zoom-window")),
                                      QStringLiteral("Auschnitt"));
    zoomWindow_->setToolTip(QStringLiteral("Auschnitt"));
    zoomWindow_->setCheckable(true);
    addCommand(QStringLiteral("Alles zeigen"), toolBarIcon(QStringLiteral("show-all")),
               &TGraphForm::showAll);
    pan_ = toolBar_->addAction(toolBarIcon(QStringLiteral("pan")), QStringLiteral("Verschieben"));
    pan_->setToolTip(QStringLiteral("Verschieben"));
    pan_->setCheckable(true);
    // The two modes exclude each other; releasing a button ends its mode.
    connect(zoomWindow_, &QAction::toggled, this, [this](bool down) {
        if (down) {
            pan_->setChecked(false);
            paintBox_->setMode(GraphPaintBox::Mode::ZoomArmed);
        } else if (paintBox_->mode() == GraphPaintBox::Mode::ZoomArmed) {
            paintBox_->setMode(GraphPaintBox::Mode::Idle);
        }
    });
    connect(pan_, &QAction::toggled, this, [this](bool down) {
        if (down) {
            zoomWindow_->setChecked(false);
            paintBox_->setMode(GraphPaintBox::Mode::PanArmed);
        } else if (paintBox_->mode() == GraphPaintBox::Mode::PanArmed) {
            paintBox_->setMode(GraphPaintBox::Mode::Idle);
        }
    });
    toolBar_->addSeparator();

    addSwitch(QStringLiteral("Symetrieachse"), QStringLiteral("symmetry-axis"), ShowSymmetryAxis);
    addSwitch(QStringLiteral("Knotennummer"), QStringLiteral("node-numbers"), ShowNodeNumbers);
    addSwitch(QStringLiteral("Schalennummer"), QStringLiteral("shell-numbers"), ShowShellNumbers);
    addSwitch(QStringLiteral("Materialnummer"), QStringLiteral("material-numbers"),
              ShowMaterialNumbers);
    addSwitch(QStringLiteral("Wertangabe"), QStringLiteral("values"), ShowValues);
    addSwitch(QStringLiteral("Funktionsextrema"), QStringLiteral("extrema"), ShowExtrema);
    addSwitch(QStringLiteral("Belastung"), QStringLiteral("loads"), ShowLoads);
    addSwitch(QStringLiteral("Auflager"), QStringLiteral("supports"), ShowSupports);
    addSwitch(QStringLiteral("Auflagerkräfte"), QStringLiteral("reactions"), ShowReactions);
    toolBar_->addSeparator();

    textScale_ = addScaleEdit(QStringLiteral("Textskalierung"), &GraphView::setTextScale);
    functionScale_ =
        addScaleEdit(QStringLiteral("Funktionsskalierung"), &GraphView::setFunctionScale);
    displacementScale_ =
        addScaleEdit(QStringLiteral("Verschiebungsskalierung"), &GraphView::setDisplacementScale);

    // The angle and the quantity of the views around the circumference, in
    // a second row so that the first keeps all its buttons in sight.
    aroundBar_ = new QToolBar(this);
    aroundBar_->setIconSize(toolBar_->iconSize());
    angle_ = new QSpinBox(aroundBar_);
    angle_->setRange(0, fullCircle);
    angle_->setSingleStep(angleStep);
    angle_->setSuffix(QStringLiteral("°"));
    angle_->setPrefix(QStringLiteral("Winkel "));
    angle_->setToolTip(QStringLiteral("Winkel"));
    angle_->setStatusTip(QStringLiteral("Winkel"));
    angle_->setAccessibleName(QStringLiteral("Winkel"));
    view_.setAngle(0.0);
    connect(angle_, &QSpinBox::valueChanged, this, [this](int degrees) {
        view_.setAngle(double(degrees));
        valueStatus_->clear();
        showCaption();
        paintBox_->update();
    });
    angleAction_ = aroundBar_->addWidget(angle_);
    quantity_ = new QComboBox(aroundBar_);
    for (int q = 0; q < aroundQuantityCount; ++q)
        quantity_->addItem(
            QString::fromUtf8(aroundQuantityCaption(static_cast<AroundQuantity>(q))));
    quantity_->setCurrentIndex(static_cast<int>(view_.aroundSelection().quantity));
    quantity_->setToolTip(QStringLiteral("Größe"));
    quantity_->setStatusTip(QStringLiteral("Größe"));
    quantity_->setAccessibleName(QStringLiteral("Größe"));
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        AroundSelection selection = view_.aroundSelection();
        selection.quantity = static_cast<AroundQuantity>(index);
        view_.setAroundSelection(selection);
        showCaption();
        paintBox_->update();
    });
    quantityAction_ = aroundBar_->addWidget(quantity_);
}

void TGraphForm::syncTabs() {
    std::vector<PlotTab> tabs(allPlotTabs.begin(), allPlotTabs.end());
    tabs.insert(tabs.end(), stressPlotTabs.begin(), stressPlotTabs.end());
    if (view_.harmonicCase())
        tabs.insert(tabs.end(), harmonicPlotTabs.begin(), harmonicPlotTabs.end());
    if (tabs == shownTabs_)
        return;
    const QSignalBlocker quiet(tabs_);
    shownTabs_ = tabs;
    while (tabs_->count() > 0)
        tabs_->removeTab(tabs_->count() - 1);
    for (PlotTab tab : shownTabs_)
        tabs_->addTab(QString::fromUtf8(tabCaption(tab)));
    const auto current = std::find(shownTabs_.begin(), shownTabs_.end(), view_.tab());
    if (current == shownTabs_.end()) {
        // The tab went with the loads around the circumference.
        tabs_->setCurrentIndex(0);
        view_.selectTab(PlotTab::Geometry);
        syncSwitchButtons();
    } else {
        tabs_->setCurrentIndex(static_cast<int>(current - shownTabs_.begin()));
    }
}

void TGraphForm::syncAroundControls() {
    const bool around = view_.harmonicCase() != nullptr;
    aroundBar_->setVisible(around);
    quantityAction_->setVisible(around && !isMeridianTab(view_.tab()));
}

void TGraphForm::showCaption() {
    setWindowTitle(QString::fromStdString(view_.caption()));
}

QAction* TGraphForm::action(const QString& hint) const {
    for (QAction* candidate : toolBar_->actions())
        if (candidate->text() == hint)
            return candidate;
    return nullptr;
}

QString TGraphForm::statusText() const {
    return status_->text();
}

QString TGraphForm::valueText() const {
    return valueStatus_->text();
}

void TGraphForm::showValueAt(QPoint devicePoint) {
    const ViewTransform transform = paintBox_->viewTransform();
    const double scale = std::min(transform.scaleX, transform.scaleY);
    if (!(scale > 0)) {
        valueStatus_->clear();
        return;
    }
    const Vector2 point = deviceToWorld(transform, devicePoint.x(), devicePoint.y());
    const std::optional<DiagramStation> station = view_.stationNear(point, valueClickReach / scale);
    QString text = station ? QString::fromStdString(stationText(*station)) : QString();
    // The same click chooses the station of the plan view.
    if (station && view_.harmonicCase())
        if (const std::optional<AroundSelection> chosen =
                view_.reportStationNear(point, valueClickReach / scale)) {
            view_.setAroundSelection(*chosen);
            text += QStringLiteral("    Grundriss: Schale %1, x = %2")
                        .arg(chosen->shell + 1)
                        .arg(germanPosition(chosen->x));
        }
    valueStatus_->setText(text);
}

void TGraphForm::syncSwitchButtons() {
    for (const auto& [button, displaySwitch] : switchActions_) {
        const QSignalBlocker quiet(button);
        button->setChecked(view_.isOn(displaySwitch));
    }
}

void TGraphForm::selectTab(int index) {
    if (index < 0 || index >= static_cast<int>(shownTabs_.size()))
        return;
    view_.selectTab(shownTabs_[static_cast<std::size_t>(index)]);
    valueStatus_->clear();
    syncSwitchButtons();
    syncAroundControls();
    showCaption();
    paintBox_->update();
}

void TGraphForm::rebuild() {
    view_.rebuild();
    syncTabs();
    syncAroundControls();
    showCaption();
    valueStatus_->clear();
    paintBox_->update();
}

void TGraphForm::setResults(const PlotResults* results) {
    view_.setResults(results);
}

void TGraphForm::modelChanged(int wParam) {
    if (wParam == 0)
        view_.setUserView(false);
    rebuild();
}

void TGraphForm::postModelChanged(QObject* window, int wParam) {
    QCoreApplication::postEvent(window, new WindowMessage(windowmessages::modelChanged, wParam));
}

bool TGraphForm::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(windowmessages::modelChanged)) {
        modelChanged(static_cast<int>(static_cast<WindowMessage*>(event)->wParam()));
        return true;
    }
    return QWidget::event(event);
}

void TGraphForm::setTitleStripSource(std::function<TitleStripData()> source) {
    titleStripSource_ = std::move(source);
}

void TGraphForm::showAll() {
    view_.showAll();
    paintBox_->update();
}

void TGraphForm::printInto(QPainter& painter, const QRect& cell, double aspect) const {
    const int right = cell.left() + cell.width();
    const int bottom = cell.top() + cell.height();
    const QFontMetrics metrics(painter.font(), painter.device());
    painter.setPen(Qt::black);
    painter.drawText(cell.left() + printCaptionInset,
                     bottom - metrics.height() - printCaptionInset + metrics.ascent(),
                     QString::fromStdString(view_.caption()));
    const PageDrawing page = view_.pageDrawing();
    paintView(page.picture, page.view, painter, cell, aspect);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    const QPoint corners[] = {{cell.left(), cell.top()},
                              {right - 1, cell.top()},
                              {right - 1, bottom - 1},
                              {cell.left(), bottom - 1}};
    painter.drawPolygon(corners, 4);
}

void TGraphForm::print() {
    const TitleStripData title = titleStripSource_ ? titleStripSource_() : TitleStripData{};
    printGraphWindows({this}, dialogs_, title, pageMarginsOf(settings_.values.editorAndMargins),
                      this);
}

void TGraphForm::copyToClipboard() {
    const PageDrawing page = view_.pageDrawing();
    const BoundingBox& world = page.view;
    if (!(world.width() > 0) || !(world.height() > 0))
        return;
    const QSize size = paintBox_->size().expandedTo(QSize(1, 1));
    const QByteArray svg =
        renderToSvg(page.picture, world, size, QStringLiteral("Venkar - ") + windowTitle());
    const QImage image = renderToImage(page.picture, world, size);
    QByteArray png;
    QBuffer buffer(&png);
    const bool encoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (svg.isEmpty() || !encoded || !clipboard) {
        dialogs_.showMessage(
            this, QStringLiteral("Fehler beim Kopieren des Bildes in die Zwischenablage!"));
        return;
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(image);
    clipboard->setMimeData(data);
}

void TGraphForm::saveToFile() {
    const QString path = dialogs_.plotFileToSave(this, windowTitle() + QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    const QSize box = paintBox_->size().expandedTo(QSize(1, 1));
    const double enlarge = std::max(1.0, double(savedImageWidth) / box.width());
    const QSize size(static_cast<int>(box.width() * enlarge),
                     static_cast<int>(box.height() * enlarge));
    const QString title = QStringLiteral("Venkar - ") + windowTitle();
    const QString lower = path.toLower();
    const PageDrawing page = view_.pageDrawing();
    bool written = false;
    if (lower.endsWith(QStringLiteral(".svg")))
        written = writeSvg(page.picture, page.view, path, size, title);
    else if (lower.endsWith(QStringLiteral(".pdf")))
        written = writePdf(page.picture, page.view, path, title);
    else
        written = writePng(page.picture, page.view, path, size);
    if (!written)
        dialogs_.showMessage(this, QStringLiteral("Fehler beim Schreiben der Datei: ") + path);
}

} // namespace venkar
