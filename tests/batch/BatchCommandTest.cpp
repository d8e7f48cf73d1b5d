// Runs the real venkar-batch executable on the examples and on broken input.
#include "model/TextFile.h"

#include "support/TestFolder.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
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

class BatchCommandTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::freshTestFolder("venkar-batch"); }
    void TearDown() override { fs::remove_all(folder); }

    CommandResult run(const std::string& arguments) const {
        const fs::path out = folder / "stdout.txt";
        const fs::path err = folder / "stderr.txt";
        const std::string command = std::string(VENKAR_BATCH_EXECUTABLE) + " " + arguments + " >" +
                                    out.string() + " 2>" + err.string() + " </dev/null";
        const int status = std::system(command.c_str());
        CommandResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readTextFile(out).value_or("");
        result.err = readTextFile(err).value_or("");
        return result;
    }

    static std::string example(const std::string& name) {
        return std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
    }
    std::string file(const std::string& name, const std::string& content) const {
        const fs::path path = folder / name;
        writeTextFileAtomically(path, content);
        return path.string();
    }

    fs::path folder;
};

QJsonObject parseJson(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

} // namespace

TEST_F(BatchCommandTest, ResultsReportGoesToStandardOutputByDefault) {
    const CommandResult result = run(example("wassertank.vsy") + " " + example("wassertank.vla"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("Venkar - Ausdruck der Ergebnisse\n\n"));
    EXPECT_NE(result.out.find("Knotenverschiebung"), std::string::npos);
    EXPECT_NE(result.out.find("Kreisringträger"), std::string::npos);
    EXPECT_EQ(result.err, ""); // the shipped example draws no warning
}

TEST_F(BatchCommandTest, JsonHoldsEveryResultGroupForEachExample) {
    for (const char* name : {"wassertank", "kuppel", "kuehlturm"}) {
        const std::string base = example(name);
        const CommandResult result = run("--json - " + base + ".vsy " + base + ".vla");
        ASSERT_EQ(result.exitCode, 0) << name << ": " << result.err;
        const QJsonObject json = parseJson(result.out);
        const QJsonObject status = json["status"].toObject();
        EXPECT_EQ(status["dofs"].toDouble(), 3 * status["nodes"].toDouble()) << name;
        EXPECT_GT(status["elements"].toDouble(), 0) << name;
        EXPECT_FALSE(json["nodes"].toArray().isEmpty()) << name;
        EXPECT_FALSE(json["reactions"].toArray().isEmpty()) << name;
        for (const QJsonValue& shellValue : json["shells"].toArray()) {
            const QJsonObject shell = shellValue.toObject();
            const QJsonArray stations = shell["stations"].toArray();
            ASSERT_GE(stations.size(), 2) << name;
            EXPECT_EQ(stations.first().toObject()["x"].toDouble(), 0.0);
            EXPECT_EQ(stations.last().toObject()["x"].toDouble(), 1.0);
            EXPECT_TRUE(stations.first().toObject().contains("Eps-Theta"));
            const QJsonObject extremes = shell["extremes"].toObject()["N-Phi"].toObject();
            EXPECT_GE(extremes["max"].toDouble(), extremes["min"].toDouble());
            EXPECT_FALSE(shell["elements"].toArray().isEmpty());
        }
        EXPECT_EQ(json["rings"].toArray().size(), 1) << name;
    }
}

TEST_F(BatchCommandTest, WaterTankReactionCarriesTheVerticalLoad) {
    const std::string base = example("wassertank");
    const QJsonObject json = parseJson(run("--json - " + base + ".vsy " + base + ".vla").out);
    const QJsonArray reactions = json["reactions"].toArray();
    ASSERT_EQ(reactions.size(), 1);
    // Per metre of circumference at r = 6: the wall's self weight
    // 25 * 0.3 * 8 = 60, the roof load 15 at r = 6, and the ring beam, which
    // carries no self weight: the support holds -(60 + 15).
    EXPECT_NEAR(reactions[0].toObject()["z"].toDouble(), -75.0, 0.75);
    // Water pushes the wall outwards; the clamped base pulls it back inwards.
    EXPECT_LT(reactions[0].toObject()["r"].toDouble(), 0.0);
}

TEST_F(BatchCommandTest, CheckReportsTheFirstInputFaultWithExitOne) {
    const std::string system = file("bad.vsy", "NODES\n1\n    1 1.0 0.0 1 1 1 0\n\n"
                                               "SHELLS\n1\n    1 1 2 0 0 1 1 1\n");
    const CommandResult result = run("--check " + system);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Eingabefehler: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("(Schalen, Zeile 1, Spalte 2 \"Knotennummer Ende\")"),
              std::string::npos)
        << result.err;

    const CommandResult calculated = run(system);
    EXPECT_EQ(calculated.exitCode, 1);
    EXPECT_EQ(calculated.err, result.err);
}

TEST_F(BatchCommandTest, MovingSystemEndsWithExitTwo) {
    // A free cylinder without any support can move along its axis.
    const std::string system = file("free.vsy", "NODES\n2\n    1 5.0 0.0 0 0 0 0\n"
                                                "    2 5.0 4.0 0 0 0 0\n\n"
                                                "SHELLS\n1\n    1 1 2 0 0 1 1 2\n\n"
                                                "MATERIALS\n1\n    1 3e7 0.2 0.2 25 0 0\n");
    const CommandResult result = run(system);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("Singuläre Steifigkeitsmatrix !"), std::string::npos) << result.err;
}

TEST_F(BatchCommandTest, ACalculationTooLargeEndsWithExitTwo) {
    const std::string system = file("fine.vsy", "NODES\n2\n    1 5.0 0.0 1 1 1 0\n"
                                                "    2 5.0 4.0 0 0 0 0\n\n"
                                                "SHELLS\n1\n    1 1 2 0 0 1 1e15 2\n\n"
                                                "MATERIALS\n1\n    1 3e7 0.2 0.2 25 0 0\n");
    const CommandResult result = run(system);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("Zu viele Elemente"), std::string::npos) << result.err;
}

TEST_F(BatchCommandTest, FileAndUsageErrorsEndWithExitThree) {
    EXPECT_EQ(run("").exitCode, 3);
    EXPECT_EQ(run("--nonsense " + example("kuppel.vsy")).exitCode, 3);
    const CommandResult missing = run((folder / "missing.vsy").string());
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_NE(missing.err.find("Fehler beim öffnen der Systemdatei"), std::string::npos);
    const CommandResult tooLong = run(file("long.vsy", std::string(300, 'x') + "\n"));
    EXPECT_EQ(tooLong.exitCode, 3);
    EXPECT_NE(tooLong.err.find("Line to long"), std::string::npos);
    EXPECT_NE(tooLong.err.find("long.vsy, Zeile 1: Line to long"), std::string::npos)
        << tooLong.err;
    EXPECT_EQ(run("--help").exitCode, 0);
}

TEST_F(BatchCommandTest, ReportsGoToTheNamedFiles) {
    const std::string base = example("kuppel");
    const std::string input = (folder / "eingabe.txt").string();
    const std::string results = (folder / "ergebnisse.txt").string();
    const CommandResult result = run("--input-report " + input + " --results " + results + " " +
                                     base + ".vsy " + base + ".vla");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(readTextFile(input).value_or("").starts_with("Venkar - Ausdruck der Eingabewerte"));
    EXPECT_TRUE(readTextFile(results).value_or("").starts_with("Venkar - Ausdruck der Ergebnisse"));
}

TEST_F(BatchCommandTest, MeshCheckReportsOnStandardErrorAndInTheJson) {
    // The hemisphere of the mesh check tests: a = 500, t = 1, held in z at
    // the equator, under a uniform surface load.
    const std::string system =
        file("kugel.vsy", "NODES\n2\n    1 0.0 0.0 0 0 0 0.0\n    2 500.0 500.0 0 1 0 0.0\n\n"
                          "SHELLS\n1\n    1 1 2 0 500.0 1 1.0 10\n\n"
                          "MATERIALS\n1\n    1 2.1e5 1.0 0.3 0.0 0.0 0.0\n\n"
                          "HINGES\n0\n\nRINGS\n0\n");
    const std::string load =
        file("kugel.vla", "NODELOAD\n0\n\nSHELLLOAD\n1\n    1 1 1 1.0 1.0 0.0 0.0\n\n"
                          "POINTLOAD\n0\n\nCONSTRAINTLOAD\n0\n\nWATERLOAD\n0\n\n"
                          "SNOWLOAD\n0\n\nTEMPERATURE\n0\n");

    const CommandResult plain = run("--json - " + system + " " + load);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_FALSE(parseJson(plain.out).contains("mesh_check"));
    EXPECT_EQ(plain.err.find("Netz"), std::string::npos);

    const CommandResult checked = run("--mesh-check --json - " + system + " " + load);
    ASSERT_EQ(checked.exitCode, 0) << checked.err;
    EXPECT_NE(checked.err.find("Netz zu grob: Schale 1, M-Theta ändert sich um 4 %; "
                               "ab Faktor 2 unter 2 %\n"),
              std::string::npos)
        << checked.err;
    const QJsonObject json = parseJson(checked.out);
    // The normal results stay those of the model as entered.
    EXPECT_EQ(json["shells"], parseJson(plain.out)["shells"]);
    const QJsonObject shell = json["mesh_check"]["shells"][0].toObject();
    EXPECT_EQ(shell["number"].toInt(), 1);
    EXPECT_EQ(shell["factor"].toDouble(), 1.0);
    const QJsonObject moment = shell["quantities"]["M-Theta"].toObject();
    EXPECT_GT(moment["changes"][0].toDouble(), 0.02);
    EXPECT_LT(moment["changes"][1].toDouble(), 0.02);
    EXPECT_EQ(moment["converged_factor"].toDouble(), 2.0);

    // Without a JSON output the results report goes to standard output as before.
    const CommandResult report = run("--mesh-check " + system + " " + load);
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out.starts_with("Venkar - Ausdruck der Ergebnisse"));
    EXPECT_NE(report.err.find("Netz zu grob"), std::string::npos);
}

TEST_F(BatchCommandTest, MeshCheckFindsTheExampleDomeFine) {
    const std::string base = example("kuppel");
    const CommandResult result = run("--mesh-check --json - " + base + ".vsy " + base + ".vla");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(parseJson(result.out).contains("mesh_check"));
    EXPECT_NE(result.err.find("Netz ausreichend fein\n"), std::string::npos) << result.err;
}
