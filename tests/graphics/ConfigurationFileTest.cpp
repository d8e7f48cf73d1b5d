#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "model/Error.h"
#include "model/TextFile.h"
#include "support/FileSizeLimit.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

class ConfigurationFileTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::freshTestFolder("venkar-config"); }
    void TearDown() override { fs::remove_all(folder); }

    std::string fileContent(const fs::path& file) const { return readTextFile(file).value(); }

    fs::path folder;
    GraphSettings settings;
};

const std::string nodeWidthKey = "EinstellungGrafik-EinstellungGeometrieKnotenLinieDicke";
const std::string editorKey = "EinstellungEditor und SeitenränderEditor für die Textausgabe";
// "Überstand" of the symmetry axis with the "Ü" as the Windows-1252 byte 0xDC.
const std::string overhangKey1252 = "EinstellungGrafik-EinstellungSymmetrieachse\xDC"
                                    "berstand";

// Restores an environment variable when the test ends.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentOverride() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST_F(ConfigurationFileTest, WithoutFileEveryValueKeepsItsDefaultAndWritingGivesAnEmptyFile) {
    const fs::path file = folder / "venkar.dat";
    readSettings(settings.root(), file);
    EXPECT_EQ(settings.values.geometry.nodeLineWidth, 0.003);
    EXPECT_EQ(settings.values.editorAndMargins.editor, "VEdit.exe");

    ASSERT_TRUE(writeSettings(settings.root(), file));
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(ConfigurationFileTest, OneChangedValueWritesExactlyItsLine) {
    settings.find("Geometrie/Knoten/Linie/Dicke")->setReal(0.006);
    const fs::path file = folder / "venkar.dat";
    ASSERT_TRUE(writeSettings(settings.root(), file));
    EXPECT_EQ(fileContent(file), nodeWidthKey + " = 0.006000\n");
}

TEST_F(ConfigurationFileTest, HugeRealsKeepTheExponentSoTheFileStaysReadable) {
    settings.find("Geometrie/Knoten/Linie/Dicke")->setReal(1e200);
    settings.find("Symmetrieachse/Linie/Farbe")->setColour(colours::red);
    const std::string text = settingsFileText(settings.root());
    EXPECT_NE(text.find(nodeWidthKey + " = 9.9999999999999997e+199\n"), std::string::npos);

    GraphSettings reread;
    readSettingsText(reread.root(), text);
    EXPECT_EQ(reread.values.geometry.nodeLineWidth, 1e200);
    EXPECT_EQ(settingsFileText(reread.root()), text);
}

TEST_F(ConfigurationFileTest, ColourLineDisappearsWhenTheDefaultIsRestored) {
    SettingNode* colour = settings.find("Symmetrieachse/Linie/Farbe");
    colour->setColour(colours::red);
    EXPECT_EQ(settingsFileText(settings.root()),
              "EinstellungGrafik-EinstellungSymmetrieachseLinieFarbe = 255\n");
    colour->setColour(colours::grey);
    EXPECT_EQ(settingsFileText(settings.root()), "");
}

TEST_F(ConfigurationFileTest, FileIsWrittenInWindows1252AndReadBack) {
    settings.values.axis.overhang = 0.1;
    settings.values.editorAndMargins.editor = "/opt/Programme/Übersicht";
    settings.values.editorAndMargins.marginTop = 7.25;
    const fs::path file = folder / "venkar.dat";
    ASSERT_TRUE(writeSettings(settings.root(), file));
    EXPECT_EQ(fileContent(file), overhangKey1252 + " = 0.100000\n" +
                                     "EinstellungEditor und Seitenr\xE4nderEditor f\xFCr die "
                                     "Textausgabe = /opt/Programme/\xDC"
                                     "bersicht\n"
                                     "EinstellungEditor und Seitenr\xE4nderSeitenr\xE4nder (nur "
                                     "f\xFCr Grafikausdruck)Oben = 7.250000\n");

    GraphSettings reread;
    readSettings(reread.root(), file);
    EXPECT_EQ(reread.values.axis.overhang, 0.1);
    EXPECT_EQ(reread.values.editorAndMargins.editor, "/opt/Programme/Übersicht");
    EXPECT_EQ(reread.values.editorAndMargins.marginTop, 7.25);
}

TEST_F(ConfigurationFileTest, TextOutsideTheCodePageKeepsTheFileInUtf8) {
    settings.values.editorAndMargins.editor = "/opt/編集/Überblick";
    const std::string text = settingsFileText(settings.root());
    EXPECT_EQ(text, editorKey + " = /opt/編集/Überblick\n");
    GraphSettings reread;
    readSettingsText(reread.root(), text);
    EXPECT_EQ(reread.values.editorAndMargins.editor, "/opt/編集/Überblick");
}

TEST_F(ConfigurationFileTest, ReadsWindows1252AndUtf8Files) {
    const fs::path file = folder / "venkar.dat";
    ASSERT_TRUE(
        writeTextFileAtomically(file, overhangKey1252 + " = 0.25\r\n" +
                                          "EinstellungGrafik-EinstellungBelastungFl\xE4"
                                          "chenlastenPfeilh\xF6he = 0.03\n" +
                                          "EinstellungEditor und Seitenr\xE4nderEditor f\xFCr die "
                                          "Textausgabe = C:\\Programme\\M\xFCller.exe\n"));
    readSettings(settings.root(), file);
    EXPECT_EQ(settings.values.axis.overhang, 0.25);
    EXPECT_EQ(settings.values.loads.surfaceLoadArrowHeight, 0.03);
    EXPECT_EQ(settings.values.editorAndMargins.editor, "C:\\Programme\\Müller.exe");

    GraphSettings fromUtf8;
    readSettingsText(fromUtf8.root(), "EinstellungGrafik-EinstellungSymmetrieachseÜberstand = 0.5\n"
                                      "EinstellungEditor und SeitenränderEditor für die "
                                      "Textausgabe = gedit\n");
    EXPECT_EQ(fromUtf8.values.axis.overhang, 0.5);
    EXPECT_EQ(fromUtf8.values.editorAndMargins.editor, "gedit");
}

TEST_F(ConfigurationFileTest, IgnoresGroupsUnknownKeysAndLinesWithoutEquals) {
    readSettingsText(settings.root(),
                     "EinstellungGrafik-Einstellung = 3\n"
                     "EinstellungGrafik-EinstellungGeometrie = 0.5\n"
                     "EinstellungGrafik-EinstellungGeometrieKnotenLinieDickeX = 0.5\n"
                     "Unbekannt = 1\n" +
                         nodeWidthKey + " 0.5\n" + "\n" + "= 0.5\n");
    EXPECT_EQ(settingsFileText(settings.root()), "");
}

TEST_F(ConfigurationFileTest, SplitsAtTheFirstEqualsTrimsAndLetTheLastLineWin) {
    readSettingsText(settings.root(),
                     nodeWidthKey + " = 0.1\n" + "\t" + nodeWidthKey + "\t=\t0.007  \r\n" +
                         editorKey + " = run --x=1 = 2 \n" +
                         "EinstellungGrafik-EinstellungSymmetrieachseTextText = \n");
    EXPECT_EQ(settings.values.geometry.nodeLineWidth, 0.007);
    EXPECT_EQ(settings.values.editorAndMargins.editor, "run --x=1 = 2");
    EXPECT_EQ(settings.values.axis.text, "");
    // Reading never moves the defaults.
    EXPECT_EQ(settings.find("Geometrie/Knoten/Linie/Dicke")->defaultReal(), 0.003);
}

TEST_F(ConfigurationFileTest, EmptyTextRoundTripsThroughALineEndingAfterTheEqualsSign) {
    settings.values.editorAndMargins.editor = "";
    const std::string text = settingsFileText(settings.root());
    EXPECT_EQ(text, "EinstellungEditor und Seitenr\xE4nderEditor f\xFCr die Textausgabe = \n");
    GraphSettings reread;
    readSettingsText(reread.root(), text);
    EXPECT_EQ(reread.values.editorAndMargins.editor, "");
}

TEST_F(ConfigurationFileTest, OverlongLineStopsReadingAfterTheLinesBefore) {
    const std::string text = nodeWidthKey + " = 0.009\n" + editorKey + " = " +
                             std::string(200, 'x') + "\n" +
                             "EinstellungGrafik-EinstellungSymmetrieachse\xDC"
                             "berstand = 0.3\n";
    try {
        readSettingsText(settings.root(), text);
        FAIL() << "no error";
    } catch (const VenkarError& error) {
        EXPECT_STREQ(error.what(), "Zeile 2: Line to long");
        EXPECT_EQ(error.reason(), "Line to long");
        EXPECT_EQ(error.origin().line, 2);
    }
    EXPECT_EQ(settings.values.geometry.nodeLineWidth, 0.009);
    EXPECT_EQ(settings.values.editorAndMargins.editor, "VEdit.exe");
    EXPECT_EQ(settings.values.axis.overhang, 0.05);
}

TEST_F(ConfigurationFileTest, WritingCreatesTheFolderAndReportsFailure) {
    settings.values.axis.lineWidth = 0.01;
    const fs::path nested = folder / "config" / "venkar" / "venkar.dat";
    ASSERT_TRUE(writeSettings(settings.root(), nested));
    EXPECT_EQ(fileContent(nested),
              "EinstellungGrafik-EinstellungSymmetrieachseLinieDicke = 0.010000\n");

    // A folder where the file should be: nothing is written, the folder stays.
    const fs::path blocked = folder / "blocked.dat";
    fs::create_directories(blocked);
    EXPECT_FALSE(writeSettings(settings.root(), blocked));
    EXPECT_TRUE(fs::is_directory(blocked));
}

TEST_F(ConfigurationFileTest, AWriteFailingPartWayKeepsThePreviousFile) {
    const fs::path file = folder / "venkar.dat";
    settings.values.axis.lineWidth = 0.01;
    ASSERT_TRUE(writeSettings(settings.root(), file));
    const std::string previous = fileContent(file);

    settings.values.editorAndMargins.editor = std::string(150, 'e');
    settings.values.geometry.nodeLineWidth = 0.5;
    {
        test::FileSizeLimit diskFull(64);
        EXPECT_FALSE(writeSettings(settings.root(), file));
    }
    EXPECT_EQ(fileContent(file), previous);
}

TEST_F(ConfigurationFileTest, FileLivesNextToAWritableProgramAsDatFile) {
    EXPECT_EQ(configurationFilePath(folder / "venkar"), folder / "venkar.dat");
    EXPECT_EQ(configurationFilePath(folder / "Venkar.exe"), folder / "Venkar.dat");
}

TEST_F(ConfigurationFileTest, CompanionProgramsReadTheFileOfVenkarInTheirFolder) {
    EXPECT_EQ(defaultPlotConfiguration((folder / "venkar-batch").string()),
              (folder / "venkar.dat").string());
}

TEST_F(ConfigurationFileTest, FileMovesToTheUserFolderWhenTheProgramFolderIsNotWritable) {
    const EnvironmentOverride configHome("XDG_CONFIG_HOME", (folder / "xdg").string());
    // A folder that does not exist cannot be written either.
    EXPECT_EQ(configurationFilePath(folder / "missing" / "venkar"),
              folder / "xdg" / "venkar" / "venkar.dat");

    const EnvironmentOverride relative("XDG_CONFIG_HOME", "relative/path");
    const EnvironmentOverride home("HOME", (folder / "home").string());
    EXPECT_EQ(userConfigurationFolder(), folder / "home" / ".config" / "venkar");
}
