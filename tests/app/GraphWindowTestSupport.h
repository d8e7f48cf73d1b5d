#pragma once

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "app/GraphDialogs.h"
#include "graphics/AnalysisPlotResults.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QPrinter>
#include <QStringList>

#include <functional>
#include <memory>

namespace venkar::test {

// Answers every dialog at once and records what was asked.
class FakeGraphDialogs : public GraphDialogs {
public:
    QStringList messages;
    bool answerYes = true;
    QStringList questions;
    QString fileToSave;     // empty: the user cancels
    QString printerPdfFile; // the print dialog's choice: a PDF file
    bool printerLandscape = false;
    bool printerAccepted = true;
    std::optional<Colour> colour;
    Colour offeredColour = -1;
    std::function<void(SettingNode&)> onEditSetting;
    int editedSettings = 0;

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askYesNo(QWidget*, const QString& caption, const QString& question) override {
        questions << caption + QStringLiteral(": ") + question;
        return answerYes;
    }
    QString plotFileToSave(QWidget*, const QString&) override { return fileToSave; }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerPdfFile);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(printerLandscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
        return printerAccepted;
    }
    std::optional<Colour> chooseColour(QWidget*, Colour initial) override {
        offeredColour = initial;
        return colour;
    }
    void editSetting(QWidget*, SettingNode& node) override {
        ++editedSettings;
        if (onEditSetting)
            onEditSetting(node);
    }
};

// The water tank example, read and calculated, with its results as the
// plots read them.
struct CalculatedTank {
    Model model;
    AnalysisModel analysis;
    bool ok = false;
    std::unique_ptr<AnalysisPlotResults> results;

    CalculatedTank() {
        readSystemText(model, readTextFile(VENKAR_EXAMPLES_DIR "/wassertank.vsy").value());
        readLoadText(model, readTextFile(VENKAR_EXAMPLES_DIR "/wassertank.vla").value());
        QuietCalculation status;
        ok = calculate(model, analysis, status, status);
        if (ok)
            results = std::make_unique<AnalysisPlotResults>(model, analysis);
    }
};

} // namespace venkar::test
