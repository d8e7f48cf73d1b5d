// The face stresses in the JSON of every example and the CSV table read back
// against the JSON of the same run.
#include "batch/ResultsCsv.h"

#include "analysis/Results.h"

#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/TestFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> examples{"wassertank", "kuppel", "kuehlturm", "druckbehaelter"};

std::string example(const std::string& name) {
    return std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
}

class ResultsCsvTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::freshTestFolder("venkar-csv"); }
    void TearDown() override { fs::remove_all(folder); }

    // Runs venkar-batch on an example with `options`; returns its exit status.
    int run(const std::string& name, const std::string& options) const {
        const std::string command = std::string(VENKAR_BATCH_EXECUTABLE) + " " + options + " " +
                                    example(name) + ".vsy " + example(name) + ".vla >" +
                                    (folder / "stdout").string() + " 2>" +
                                    (folder / "stderr").string() + " </dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const std::string& file) const {
        return readTextFile(folder / file).value_or("");
    }

    fs::path folder;
};

QJsonObject parseJson(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

// The wall thickness of every shell, straight from the system file.
std::vector<double> thicknesses(const std::string& name) {
    Model model;
    readSystemText(model, readTextFile(example(name) + ".vsy").value(), name);
    std::vector<double> t;
    for (int row : model.shells.definedRows())
        t.push_back(model.materials.row(model.shells.row(row).material - 1).wallThickness);
    return t;
}

// σ = N/t ± 6·M/t² at both faces and the von Mises stress of each face,
// written out here apart from the program's own formula.
void expectFaceStresses(const QJsonObject& at, double t, const std::string& where) {
    const auto v = [&](const char* key) { return at[key].toDouble(); };
    const double mPos = v("N-Theta") / t + 6 * v("M-Theta") / (t * t);
    const double mNeg = v("N-Theta") / t - 6 * v("M-Theta") / (t * t);
    const double hPos = v("N-Phi") / t + 6 * v("M-Phi") / (t * t);
    const double hNeg = v("N-Phi") / t - 6 * v("M-Phi") / (t * t);
    const double scale = 1e-12 *
                         (std::fabs(v("N-Theta")) + std::fabs(v("N-Phi")) +
                          6 * (std::fabs(v("M-Theta")) + std::fabs(v("M-Phi"))) / t) /
                         t;
    EXPECT_NEAR(v("sigma_meridional_pos"), mPos, scale) << where;
    EXPECT_NEAR(v("sigma_meridional_neg"), mNeg, scale) << where;
    EXPECT_NEAR(v("sigma_hoop_pos"), hPos, scale) << where;
    EXPECT_NEAR(v("sigma_hoop_neg"), hNeg, scale) << where;
    EXPECT_NEAR(v("von_mises_pos"), std::sqrt(mPos * mPos - mPos * hPos + hPos * hPos), scale)
        << where;
    EXPECT_NEAR(v("von_mises_neg"), std::sqrt(mNeg * mNeg - mNeg * hNeg + hNeg * hNeg), scale)
        << where;
}

// A CSV text as rows of fields; every row must end in CR LF.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a row without CR LF";
        if (end == std::string::npos)
            break;
        std::vector<std::string> fields;
        std::stringstream line(text.substr(start, end - start));
        std::string field;
        while (std::getline(line, field, ','))
            fields.push_back(field);
        if (text[end - 1] == ',')
            fields.emplace_back();
        rows.push_back(fields);
        start = end + 2;
    }
    return rows;
}

} // namespace

TEST_F(ResultsCsvTest, EveryStationAndElementEndOfTheExamplesCarriesItsFaceStresses) {
    for (const std::string& name : examples) {
        ASSERT_EQ(run(name, "--json -"), 0) << name << ": " << output("stderr");
        const QJsonObject json = parseJson(output("stdout"));
        const std::vector<double> t = thicknesses(name);
        const QJsonArray shells = json["shells"].toArray();
        ASSERT_EQ(static_cast<std::size_t>(shells.size()), t.size()) << name;
        for (qsizetype s = 0; s < shells.size(); ++s) {
            const QJsonObject shell = shells[s].toObject();
            const double thickness = t[static_cast<std::size_t>(s)];
            EXPECT_EQ(shell["wall_thickness"].toDouble(), thickness);
            const std::string where = name + " shell " + std::to_string(s + 1);
            for (const auto station : shell["stations"].toArray())
                expectFaceStresses(station.toObject(), thickness, where + " station");
            double largestVonMises = 0.0;
            for (const auto element : shell["elements"].toArray())
                for (const char* end : {"start", "end"}) {
                    const QJsonObject values = element.toObject()[end].toObject();
                    expectFaceStresses(values, thickness, where + " element " + end);
                    largestVonMises = std::max({largestVonMises, values["von_mises_pos"].toDouble(),
                                                values["von_mises_neg"].toDouble()});
                }
            const QJsonObject extremes = shell["stress_extremes"].toObject();
            ASSERT_EQ(extremes.size(), 6) << where;
            EXPECT_EQ(std::max(extremes["von_mises_pos"].toObject()["max"].toDouble(),
                               extremes["von_mises_neg"].toObject()["max"].toDouble()),
                      largestVonMises)
                << where;
        }
    }
}

TEST_F(ResultsCsvTest, CsvReadBackEqualsTheJsonOfTheSameRun) {
    const std::vector<std::string> columns{"shell",
                                           "xi",
                                           "s",
                                           "r",
                                           "z",
                                           "wr",
                                           "wz",
                                           "rotation",
                                           "N-Phi",
                                           "N-Theta",
                                           "M-Phi",
                                           "M-Theta",
                                           "Q-Theta",
                                           "Eps-Phi",
                                           "Eps-Theta",
                                           "sigma_meridional_pos",
                                           "sigma_meridional_neg",
                                           "sigma_hoop_pos",
                                           "sigma_hoop_neg",
                                           "von_mises_pos",
                                           "von_mises_neg"};
    for (const std::string& name : examples) {
        const fs::path json = folder / "results.json";
        ASSERT_EQ(run(name, "--csv - --json " + json.string()), 0) << output("stderr");
        const std::vector<std::vector<std::string>> rows = parseCsv(output("stdout"));
        ASSERT_FALSE(rows.empty());
        std::string header;
        for (const std::string& field : rows[0])
            header += (header.empty() ? "" : ",") + field;
        EXPECT_EQ(header, resultsCsvHeader());
        EXPECT_EQ(header,
                  "shell,xi,s,r,z,wr,wz,rotation,N_phi,N_theta,M_phi,M_theta,Q_theta,eps_phi,"
                  "eps_theta,sigma_meridional_pos,sigma_meridional_neg,sigma_hoop_pos,"
                  "sigma_hoop_neg,von_mises_pos,von_mises_neg");

        std::size_t row = 1;
        for (const auto shellValue : parseJson(readTextFile(json).value())["shells"].toArray()) {
            const QJsonObject shell = shellValue.toObject();
            for (const auto stationValue : shell["stations"].toArray()) {
                QJsonObject station = stationValue.toObject();
                station["shell"] = shell["number"];
                station["xi"] = station["x"];
                ASSERT_LT(row, rows.size()) << name;
                ASSERT_EQ(rows[row].size(), columns.size()) << name << " row " << row;
                for (std::size_t c = 0; c < columns.size(); ++c)
                    EXPECT_EQ(std::strtod(rows[row][c].c_str(), nullptr),
                              station[QString::fromStdString(columns[c])].toDouble())
                        << name << " row " << row << " " << columns[c];
                ++row;
            }
        }
        EXPECT_EQ(row, rows.size()) << name << ": one row per station";
    }
}

TEST_F(ResultsCsvTest, CsvGoesToAFileBesideTheOtherOutputs) {
    const fs::path csv = folder / "tank.csv";
    ASSERT_EQ(run("wassertank", "--csv " + csv.string()), 0) << output("stderr");
    EXPECT_EQ(output("stdout"), ""); // --csv is an output option: no report on standard output
    const std::string text = readTextFile(csv).value_or("");
    EXPECT_TRUE(text.starts_with(std::string(resultsCsvHeader()) + "\r\n"));
    EXPECT_EQ(text.find(';'), std::string::npos);
    EXPECT_EQ(text.find('"'), std::string::npos);
    // Nine stations of the tank's wall (eight intervals) after the header.
    EXPECT_EQ(parseCsv(text).size(), 10u);
}

TEST(ResultsCsv, NumbersKeepFullPrecisionAndAnUndefinedOneIsAnEmptyField) {
    Results results;
    ShellResults shell;
    shell.number = 2;
    StationResult station;
    station.x = 0.1;
    station.displacement.wr = 1.0 / 3.0;
    station.values[resultNPhi] = std::nan("");
    station.stresses[stressVonMisesNeg] = -1.5e-300;
    shell.stations.push_back(station);
    results.shells.push_back(shell);
    const std::string text = resultsCsv(results);
    const std::string row = text.substr(text.find("\r\n") + 2);
    EXPECT_EQ(row, "2,0.10000000000000001,0,0,0,0.33333333333333331,0,0,,0,0,0,0,0,0,0,0,0,0,0,"
                   "-1.5000000000000001e-300\r\n");
}
