// The buckling section and JSON object of the batch command, and its options.
#include "batch/BucklingReport.h"
#include "batch/BatchOptions.h"
#include "batch/JsonWriter.h"
#include "support/ModelRows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace venkar {
namespace {

// A pressed cylinder (r = 500, t = 1, L = 1000, ν = 0) scanned over 0..8,
// or pulled.
BucklingResult pressedCylinder(double load) {
    Model model;
    test::addMaterial(model, 2e5, 1.0, 0.0);
    test::addShellWithNodes(model, 500.0, 0.0, 500.0, 1000.0);
    model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
    model.nodes.row(1).supportR = 1;
    test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = load});
    BucklingOptions options;
    options.lastHarmonic = 8;
    BucklingResult result;
    std::string error;
    EXPECT_TRUE(analyseBuckling(model, HarmonicInput{}, options, result, error)) << error;
    return result;
}

QJsonObject bucklingJson(const BucklingResult& result) {
    JsonWriter json;
    writeBucklingJson(json, result);
    return QJsonDocument::fromJson(QByteArray::fromStdString(json.text())).object();
}

TEST(BucklingReport, JsonAndTextCarryTheScan) {
    const BucklingResult result = pressedCylinder(-1.0);
    ASSERT_TRUE(result.buckles);
    const QJsonObject json = bucklingJson(result);
    const QJsonArray perHarmonic = json["per_harmonic"].toArray();
    ASSERT_EQ(perHarmonic.size(), static_cast<qsizetype>(result.perHarmonic.size()));
    EXPECT_EQ(perHarmonic[0].toObject()["n"].toInt(), result.perHarmonic[0].n);
    EXPECT_EQ(json["critical"].toObject()["n"].toInt(), result.criticalHarmonic);
    EXPECT_DOUBLE_EQ(json["critical"].toObject()["factor"].toDouble(), result.criticalFactor);
    EXPECT_EQ(json["plateau"].toArray().size(), static_cast<qsizetype>(result.plateau.size()));
    const QJsonArray stations = json["mode"].toArray()[0].toObject()["stations"].toArray();
    ASSERT_EQ(stations.size(), static_cast<qsizetype>(result.mode[0].stations.size()));
    for (const char* key : {"x", "r", "z", "wr", "wz", "v", "rotation"})
        EXPECT_TRUE(stations[0].toObject().contains(key)) << key;

    const std::string text = bucklingText(result);
    EXPECT_NE(text.find("Beulanalyse (LBA)"), std::string::npos);
    EXPECT_NE(text.find("Kritische Harmonische n = " + std::to_string(result.criticalHarmonic)),
              std::string::npos);
    EXPECT_NE(text.find("Plateau"), std::string::npos); // a cylinder's plateau
}

TEST(BucklingReport, WithoutCompressionCriticalIsNullWithTheMessage) {
    const BucklingResult result = pressedCylinder(1.0);
    const QJsonObject json = bucklingJson(result);
    EXPECT_TRUE(json["critical"].isNull());
    EXPECT_EQ(json["message"].toString().toStdString(), noCompressionMessage);
    EXPECT_NE(bucklingText(result).find(noCompressionMessage), std::string::npos);
}

TEST(BucklingReport, HarmonicsOptionTakesARangeUpTo200) {
    const BatchOptions options =
        parseBatchOptions({"--buckling", "--buckling-harmonics", "3-40", "a.vsy"});
    EXPECT_TRUE(options.buckling);
    EXPECT_EQ(options.bucklingFrom, 3);
    EXPECT_EQ(options.bucklingTo, 40);
    for (const char* bad : {"5-3", "0-201", "x-4", "7", "-4"})
        EXPECT_THROW(parseBatchOptions({"--buckling-harmonics", bad, "a.vsy"}), UsageError) << bad;
}

} // namespace
} // namespace venkar
