#pragma once

#include "app/GraphDialogs.h"
#include "app/GraphPrinting.h"
#include "graphics/GraphView.h"
#include "input/WindowMessages.h"

#include <QEvent>
#include <QWidget>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QPainter;
class QSpinBox;
class QTabBar;
class QToolBar;

namespace venkar {

class GraphPaintBox;
class GraphSettings;
class Model;
class PlotResults;

// The graph window "Grafik": the model, its loads and its results as one
// scalable drawing, with ten tabs at the bottom (sixteen for loads around
// the circumference), a tool bar (print, copy, save, zoom window, show all,
// pan, the display switches, the three percentage spin edits, and for loads
// around the circumference the angle and the quantity of the views around
// it) and a status line with the model point under the
// mouse and the diagram value at the last click. It works as an MDI child
// but needs no main window. A view the user has not zoomed shows the whole
// picture whatever the window's size and tab; the texts keep their size on
// the screen while zooming, and printing, the clipboard and saved files
// draw them at page proportions.
//
// The model and the settings are read at every rebuild and not owned; they
// must outlive the window. The picture is rebuilt only by a tab change, a
// switch, a scale or the model-changed notification; painting replays it.
class TGraphForm : public QWidget {
    Q_OBJECT
public:
    // `dialogs` (not owned) answers the message boxes, the file dialog and
    // the print dialog; it must outlive the window.
    TGraphForm(const Model& model, const GraphSettings& settings, QWidget* parent = nullptr,
               GraphDialogs& dialogs = qtGraphDialogs());

    // The valid results of the last calculation, or null; not owned. Takes
    // effect at the next rebuild: the main window follows it with the
    // model-changed notification.
    void setResults(const PlotResults* results);
    // The notification "model changed" (window message 3027, posted as a
    // WindowMessage to every child window). wParam 0: the model, the load
    // case or the results changed, the user-view flag is cleared so that the
    // view fits the whole picture again; wParam 1: only the plot settings
    // changed, a zoomed view is kept. Then the picture is rebuilt.
    void modelChanged(int wParam);
    // Posts the notification to `window` (any widget; only graph windows
    // act on it).
    static void postModelChanged(QObject* window, int wParam);

    // Where "Drucken" takes the file names of the title strip from; the
    // main window sets it. Without it the strip shows no file names.
    void setTitleStripSource(std::function<TitleStripData()> source);

    // Draws the window into a print cell: the caption of the tab at the
    // lower left, the view fitted to the cell with the printer's `aspect`,
    // and a black frame of one pixel along the cell.
    void printInto(QPainter& painter, const QRect& cell, double aspect) const;

    // The commands of the tool bar.
    void print();
    void copyToClipboard();
    void saveToFile();
    void showAll();

    const GraphView& graphView() const { return view_; }
    GraphPaintBox* paintBox() const { return paintBox_; }
    QTabBar* tabBar() const { return tabs_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The tool bar action with the hint `hint` ("Auschnitt", "Belastung",
    // ...), or null.
    QAction* action(const QString& hint) const;
    QSpinBox* textScaleEdit() const { return textScale_; }
    QSpinBox* functionScaleEdit() const { return functionScale_; }
    QSpinBox* displacementScaleEdit() const { return displacementScale_; }
    // "Winkel": the angle (degrees) of the meridian the meridian tabs show,
    // in a second row of the tool bar shown only for a load case with loads
    // around the circumference.
    QSpinBox* angleEdit() const { return angle_; }
    // "Größe": the quantity of "Grundriss" and "Abwicklung", in the tool bar
    // only on those tabs.
    QComboBox* quantityChooser() const { return quantity_; }
    // The tabs the tab bar shows, in its order: the nine, "Vergleichsspannung"
    // and for loads around the circumference the six of them.
    const std::vector<PlotTab>& shownTabs() const { return shownTabs_; }
    // The status line text, "r = ..., z = ..." under the mouse.
    QString statusText() const;
    // The second field of the status line: the value of the tab's diagram
    // at the station nearest to the last click ("Schale 2, x = 0,35: M-Theta
    // = −0,3686"); empty when the click met no diagram, and after a tab
    // change or a rebuild.
    QString valueText() const;

protected:
    bool event(QEvent* event) override;

private:
    void buildToolBar();
    QSpinBox* addScaleEdit(const QString& hint, void (GraphView::*setter)(double));
    QAction* addCommand(const QString& hint, const QIcon& icon, void (TGraphForm::*command)());
    QAction* addSwitch(const QString& hint, const QString& icon, DisplaySwitch displaySwitch);
    void selectTab(int index);
    void syncTabs();
    void syncAroundControls();
    void showCaption();
    void showValueAt(QPoint devicePoint);
    void syncSwitchButtons();
    void rebuild();

    GraphView view_;
    const GraphSettings& settings_;
    GraphDialogs& dialogs_;
    std::function<TitleStripData()> titleStripSource_;
    GraphPaintBox* paintBox_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* zoomWindow_ = nullptr;
    QAction* pan_ = nullptr;
    std::vector<std::pair<QAction*, DisplaySwitch>> switchActions_;
    QSpinBox* textScale_ = nullptr;
    QSpinBox* functionScale_ = nullptr;
    QSpinBox* displacementScale_ = nullptr;
    QToolBar* aroundBar_ = nullptr;
    QSpinBox* angle_ = nullptr;
    QAction* angleAction_ = nullptr;
    QComboBox* quantity_ = nullptr;
    QAction* quantityAction_ = nullptr;
    std::vector<PlotTab> shownTabs_;
    QLabel* status_ = nullptr;
    QLabel* valueStatus_ = nullptr;
};

} // namespace venkar
