#include "model/TextFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace venkar {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The tank under wind and the water tank, calculated by the batch command.
class BatchAngleTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::freshTestFolder("venkar-angle");
        for (const char* name :
             {"windtank.vsy", "windtank.vla", "wassertank.vsy", "wassertank.vla"})
            fs::copy_file(fs::path(VENKAR_EXAMPLES_DIR) / name, folder / name);
    }
    void TearDown() override { fs::remove_all(folder); }

    Outcome run(const std::string& arguments) const {
        const fs::path out = folder / "stdout.txt";
        const fs::path err = folder / "stderr.txt";
        const std::string command = "cd " + folder.string() + " && " + VENKAR_BATCH_EXECUTABLE +
                                    " " + arguments + " >" + out.string() + " 2>" + err.string() +
                                    " </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readTextFile(out).value_or(""),
                readTextFile(err).value_or("")};
    }

    fs::path folder;
};

std::size_t lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(BatchAngleTest, AWindCaseWritesEveryStationAtEveryAngle) {
    // Eleven stations of the one shell, 37 angles of the symmetric case.
    const Outcome grid = run("--csv - windtank.vsy windtank.vla");
    ASSERT_EQ(grid.exitCode, 0) << grid.err;
    EXPECT_EQ(grid.out.substr(0, grid.out.find('\r')),
              "shell,xi,s,r,z,angle,wr,wz,v,rotation,N_phi,N_theta,N_phitheta,M_phi,M_theta,"
              "M_phitheta,Q_theta,Q_phi,eps_phi,eps_theta,sigma_meridional_pos,"
              "sigma_meridional_neg,sigma_hoop_pos,sigma_hoop_neg,von_mises_pos,von_mises_neg,"
              "tau_pos,tau_neg");
    EXPECT_EQ(lines(grid.out), 1u + 11u * 37u);
    const Outcome asked = run("--csv - --angle 30 --angle 90 windtank.vsy windtank.vla");
    EXPECT_EQ(lines(asked.out), 1u + 11u * 2u);
    EXPECT_NE(asked.out.find("\r\n1,0,0,10,0,90,"), std::string::npos);
    const Outcome report = run("--results - --angle 90 windtank.vsy windtank.vla");
    EXPECT_NE(report.out.find("Meridian bei Winkel 90°"), std::string::npos);
    EXPECT_NE(report.out.find("Extremwerte am Umfang der Schale   1"), std::string::npos);
}

TEST_F(BatchAngleTest, AnAxisymmetricCaseIgnoresTheAngleWithANote) {
    const Outcome plain = run("--csv - wassertank.vsy wassertank.vla");
    const Outcome angled = run("--csv - --angle 45 wassertank.vsy wassertank.vla");
    EXPECT_EQ(angled.exitCode, 0);
    EXPECT_EQ(angled.out, plain.out);
    EXPECT_NE(angled.err.find("Hinweis: --angle gilt nur für Lasten am Umfang"), std::string::npos);
}

TEST_F(BatchAngleTest, PlotsAtSeveralAnglesNeedAFolder) {
    const Outcome one = run("--plot n-theta --angle 0 --angle 90 --out x.png windtank.vsy");
    EXPECT_EQ(one.exitCode, 3);
    EXPECT_NE(one.err.find("für mehrere Winkel --out-dir"), std::string::npos);
    const Outcome bad = run("--angle 400 windtank.vsy");
    EXPECT_EQ(bad.exitCode, 3);
    const Outcome folderRun =
        run("--plot n-theta --angle 0 --angle 22.5 --out-dir plots windtank.vsy windtank.vla");
    ASSERT_EQ(folderRun.exitCode, 0) << folderRun.err;
    EXPECT_TRUE(fs::exists(folder / "plots" / "windtank-n-theta-0.png"));
    EXPECT_TRUE(fs::exists(folder / "plots" / "windtank-n-theta-22.5.png"));
}

TEST_F(BatchAngleTest, ThePlanViewAndTheDevelopedShellAreWrittenWithQuantityAndStation) {
    const Outcome written =
        run("--plot grundriss --quantity last --station 1:0.33 --out plan.svg windtank.vsy "
            "windtank.vla");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    // The nearest report station of the ten intervals, in the title.
    const std::string svg = readTextFile(folder / "plan.svg").value_or("");
    EXPECT_NE(svg.find("Grundriss, Last cp·q, Schale 1, x = 0.3"), std::string::npos);
    const Outcome folderRun = run("--plot abwicklung --plot n-phitheta --plot v --angle 30 "
                                  "--quantity sigma-vm --out-dir plots windtank.vsy windtank.vla");
    ASSERT_EQ(folderRun.exitCode, 0) << folderRun.err;
    for (const char* name :
         {"windtank-abwicklung-30.png", "windtank-n-phitheta-30.png", "windtank-v-30.png"})
        EXPECT_GT(fs::file_size(folder / "plots" / name), 1000u) << name;

    // Mistakes on the command line and in the station.
    struct Refused {
        const char* arguments;
        const char* message;
    };
    for (const Refused& refused : {
             Refused{"--plot grundriss --station 0:0.5 --out p.png windtank.vsy",
                     "Die Option --station braucht SCHALE:XI"},
             Refused{"--plot grundriss --station 1 --out p.png windtank.vsy",
                     "Die Option --station braucht SCHALE:XI"},
             Refused{"--plot grundriss --station 1:1.5 --out p.png windtank.vsy",
                     "Die Option --station braucht SCHALE:XI"},
             Refused{"--plot grundriss --quantity n-x --out p.png windtank.vsy",
                     "Unbekannte Größe: n-x (verformung, n-phi,"},
             Refused{"--quantity last windtank.vsy", "Die Option --quantity braucht --plot."},
             Refused{"--plot grundriss --station 2:0.5 --out p.png windtank.vsy windtank.vla",
                     "Die Schale der Option --station gibt es nicht: 2"},
         }) {
        const Outcome outcome = run(refused.arguments);
        EXPECT_EQ(outcome.exitCode, 3) << refused.arguments;
        EXPECT_NE(outcome.err.find(refused.message), std::string::npos) << outcome.err;
        EXPECT_FALSE(fs::exists(folder / "p.png")) << refused.arguments;
    }

    // An axisymmetric load case has no views around the circumference.
    const Outcome axisymmetric = run("--plot abwicklung --out p.png wassertank.vsy wassertank.vla");
    EXPECT_EQ(axisymmetric.exitCode, 0);
    EXPECT_NE(axisymmetric.err.find("grundriss und abwicklung gibt es nur bei Lasten am Umfang"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "p.png"));
}

} // namespace
} // namespace venkar
