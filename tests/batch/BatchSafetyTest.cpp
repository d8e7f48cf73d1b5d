// venkar-batch on files that are read wrong or options that would destroy
// the input: no answer, no damage, and a message that says why.
#include "model/TextFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class BatchSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::freshTestFolder("venkar-safety");
        for (const char* name : {"wassertank.vsy", "wassertank.vla"})
            fs::copy_file(fs::path(VENKAR_EXAMPLES_DIR) / name, folder / name);
        system = path("wassertank.vsy");
        load = path("wassertank.vla");
        systemBytes = readTextFile(system).value();
        loadBytes = readTextFile(load).value();
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the command in the test folder; `environment` goes before it.
    CommandResult run(const std::string& arguments, const std::string& environment = "") const {
        const fs::path out = folder / "stdout.txt";
        const fs::path err = folder / "stderr.txt";
        const std::string command = "cd " + folder.string() + " && " + environment + " " +
                                    VENKAR_BATCH_EXECUTABLE + " " + arguments + " >" +
                                    out.string() + " 2>" + err.string() + " </dev/null";
        const int status = std::system(command.c_str());
        CommandResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readTextFile(out).value_or("");
        result.err = readTextFile(err).value_or("");
        return result;
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string file(const std::string& name, const std::string& content) const {
        writeTextFileAtomically(folder / name, content);
        return path(name);
    }
    void expectInputsUntouched() const {
        EXPECT_EQ(readTextFile(system).value_or(""), systemBytes);
        EXPECT_EQ(readTextFile(load).value_or(""), loadBytes);
    }

    fs::path folder;
    std::string system, load, systemBytes, loadBytes;
};

} // namespace

TEST_F(BatchSafetyTest, AnOutputOverAnInputIsAUsageErrorAndWritesNothing) {
    for (const char* option : {"--json", "--results", "--input-report"}) {
        // The file name after the option forgotten: the system file follows.
        const CommandResult forgotten = run(std::string(option) + " wassertank.vsy wassertank.vla");
        EXPECT_EQ(forgotten.exitCode, 3) << option;
        EXPECT_NE(forgotten.err.find(std::string("Die Option ") + option), std::string::npos)
            << forgotten.err;
        // The same file through a link and through another path.
        fs::create_symlink(load, folder / "link.txt");
        const CommandResult linked = run(std::string(option) + " link.txt ./wassertank.vsy ../" +
                                         folder.filename().string() + "/wassertank.vla");
        EXPECT_EQ(linked.exitCode, 3) << option;
        EXPECT_NE(linked.err.find("würde die Eingabedatei"), std::string::npos) << linked.err;
        fs::remove(folder / "link.txt");
        expectInputsUntouched();
    }
}

TEST_F(BatchSafetyTest, FilesOfTheWrongKindGiveNoAnswer) {
    const CommandResult swapped = run("--check wassertank.vla wassertank.vsy");
    EXPECT_EQ(swapped.exitCode, 3);
    EXPECT_EQ(swapped.err, "Fehler: Die Datei wassertank.vla enthält keine Systemdaten (NODES, "
                           "SHELLS, MATERIALS, HINGES, RINGS).\n");
    for (const std::string& content :
         {std::string(), std::string("CRANELOAD\n1\n    1 1 1 2.0\n\nSELFWEIGHT\n0\n\n")}) {
        const CommandResult wrong = run("wassertank.vsy " + file("falsch.vla", content));
        EXPECT_EQ(wrong.exitCode, 3) << content;
        EXPECT_NE(wrong.err.find("enthält keine Lastfalldaten"), std::string::npos) << wrong.err;
        EXPECT_EQ(wrong.out, "");
    }
    expectInputsUntouched();
}

TEST_F(BatchSafetyTest, ADecimalCommaIsARefusedLineNotAWrongLoad) {
    const std::string commaLoad =
        file("komma.vla", "SHELLLOAD\n1\n    1 1 1 10,5 10,5 0.0 0.0\n\n");
    const CommandResult result = run("wassertank.vsy komma.vla");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "Fehler: komma.vla, Zeile 3 (Abschnitt SHELLLOAD): Ungültige Zahl "
                          "\"10,5\"\n    1 1 1 10,5 10,5 0.0 0.0\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(BatchSafetyTest, WarningsGoToStandardErrorAndKeepTheExitStatus) {
    // A misspelt section beside a real one, and nothing else in the load case.
    file("kran.vla", "NODELOAD\n0\n\nCRANELOAD\n1\n    1 1 1 2.0\n\n");
    const CommandResult unknown = run("--check wassertank.vsy kran.vla");
    EXPECT_EQ(unknown.exitCode, 0);
    EXPECT_EQ(unknown.err, "Warnung: Unbekannter Abschnitt CRANELOAD in kran.vla, wird überlesen\n"
                           "Warnung: Der Lastfall ist leer: keine Lasten und kein Eigengewicht.\n"
                           "Eingabe in Ordnung\n");

    // The water level half a metre below the top of the wall: suction above.
    std::string suction = loadBytes;
    const std::string level = " 0.00000000000000e+00 1.00000000000000e+01";
    ASSERT_NE(suction.find(level), std::string::npos);
    suction.replace(suction.find(level), level.size(),
                    " 5.00000000000000e-01 1.00000000000000e+01");
    file("sog.vla", suction);
    const CommandResult water = run("--json - wassertank.vsy sog.vla");
    EXPECT_EQ(water.exitCode, 0);
    EXPECT_EQ(water.err, "Warnung: Wasserlast 1: Schale 1 reicht über den Nullpunkt z = 0.5 "
                         "hinaus; dort zieht der Wasserdruck an der Schale (Sog).\n");
    EXPECT_FALSE(water.out.empty());
}

TEST_F(BatchSafetyTest, PlotsIntoANewFolderWithoutQtNotesAndDoubleDashEndsOptions) {
    fs::rename(folder / "wassertank.vsy", folder / "-tank.vsy");
    const CommandResult result = run("--plot 0 --out neu/tief/bild.png -- -tank.vsy wassertank.vla",
                                     "env -u XDG_RUNTIME_DIR");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::is_regular_file(folder / "neu" / "tief" / "bild.png"));
}

TEST_F(BatchSafetyTest, AFailedWriteNamesTheFileAndTheReason) {
    const CommandResult result = run("--results fehlt/r.txt wassertank.vsy wassertank.vla");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err,
              "Fehler beim Schreiben der Datei fehlt/r.txt: No such file or directory\n");
}
