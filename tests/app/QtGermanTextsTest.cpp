#include "app/QtGermanTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace venkar {
namespace {

TEST(QtGermanTextsTest, StandardButtonsAndTheFileDialogReadGerman) {
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/" + qtGermanCatalogue() + ".qm";
    if (!QFileInfo::exists(catalogue))
        GTEST_SKIP() << catalogue.toStdString()
                     << " is missing: tools/install-deps.sh installs qt6-translations-l10n";

    QTranslator* translator = installQtGermanTexts(*qApp);
    ASSERT_NE(translator, nullptr);
    {
        QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
        EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), "Speichern");

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        ASSERT_NE(lookIn, nullptr);
        EXPECT_EQ(lookIn->text(), "Suchen in:");
    }
    // The other tests of this program see Qt's own texts again.
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QDialogButtonBox english(QDialogButtonBox::Cancel);
    EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text(), "Cancel");
}

} // namespace
} // namespace venkar
