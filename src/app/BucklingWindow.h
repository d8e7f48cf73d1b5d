#pragma once

#include "app/GraphDialogs.h"
#include "buckling/BucklingAnalysis.h"
#include "graphics/BucklingPictures.h"

#include <QWidget>

#include <array>

class QTabWidget;
class QToolBar;

namespace venkar {

class GraphSettings;
class Model;

// The window "Beulanalyse": the result of one linear buckling analysis as
// two pictures on the tabs "Beulform" (the mode of the critical harmonic
// over the structure) and "Beulkurve" (λ over n), each under its title.
// The pictures are made once from the model, the settings and the result
// as they were when the window opened: the window keeps showing that
// analysis after edits. A tool bar copies the picture of the current tab
// to the clipboard (also Ctrl+C) or saves it as PNG, SVG or PDF.
class TBucklingWindow : public QWidget {
public:
    static constexpr int modeTab = 0;
    static constexpr int curveTab = 1;

    // `dialogs` (not owned) answers the file dialog and the messages; it
    // must outlive the window. Precondition: `result.buckles`.
    TBucklingWindow(const Model& model, const GraphSettings& settings, const BucklingResult& result,
                    QWidget* parent = nullptr, GraphDialogs& dialogs = qtGraphDialogs());

    QTabWidget* tabs() const { return tabs_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The picture of tab `index` (modeTab, curveTab) with its title.
    const TitledPicture& picture(int index) const;
    const BucklingResult& result() const { return result_; }

    void copyToClipboard();
    void saveToFile();

private:
    const TitledPicture& current() const;

    BucklingResult result_;
    std::array<TitledPicture, 2> pictures_;
    GraphDialogs& dialogs_;
    QTabWidget* tabs_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

} // namespace venkar
