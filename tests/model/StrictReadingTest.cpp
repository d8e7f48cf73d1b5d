// The readers take every field completely as the number its column holds and
// refuse everything else with the file, the line, the section and the line.
#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

// A section and the kinds of the fields after the row number: 'i' integer,
// 'r' real.
struct SectionShape {
    const char* keyword;
    const char* fields;
    bool system;
};

constexpr SectionShape sections[] = {
    {"NODES", "rriiir", true},         {"SHELLS", "iiiriri", true},
    {"MATERIALS", "rrrrrr", true},     {"HINGES", "iriii", true},
    {"RINGS", "irrrii", true},         {"NODELOAD", "irrr", false},
    {"SHELLLOAD", "iirrrr", false},    {"POINTLOAD", "irrrr", false},
    {"CONSTRAINTLOAD", "irrr", false}, {"WATERLOAD", "iirr", false},
    {"SNOWLOAD", "iir", false},        {"TEMPERATURE", "iirr", false},
};

std::vector<std::string> goodFields(const SectionShape& shape) {
    std::vector<std::string> fields;
    for (const char* kind = shape.fields; *kind; ++kind)
        fields.push_back(*kind == 'i' ? "1" : "2.5");
    return fields;
}

std::string rowLine(const std::vector<std::string>& fields) {
    std::string line = "    1";
    for (const std::string& field : fields)
        line += " " + field;
    return line;
}

// Reads `line` as the only row of the section, behind a comment line, and
// returns the error; fails the test when the line is accepted.
VenkarError refusal(const SectionShape& shape, const std::string& line) {
    const std::string text = std::string("Kommentar\n") + shape.keyword + "\n1\n" + line + "\n\n";
    const std::string file = shape.system ? "plate.vsy" : "plate.vla";
    Model model;
    try {
        if (shape.system)
            readSystemText(model, text, file);
        else
            readLoadText(model, text, file);
    } catch (const VenkarError& error) {
        return error;
    }
    ADD_FAILURE() << shape.keyword << " accepted: " << line;
    return VenkarError("");
}

void expectRefused(const SectionShape& shape, const std::string& line, const std::string& problem) {
    SCOPED_TRACE(std::string(shape.keyword) + ": " + line);
    const VenkarError error = refusal(shape, line);
    EXPECT_EQ(error.reason(), problem);
    EXPECT_EQ(error.origin().line, 4);
    EXPECT_EQ(error.origin().section, shape.keyword);
    EXPECT_EQ(error.origin().lineText, line);
    EXPECT_EQ(std::string(error.what()), std::string(shape.system ? "plate.vsy" : "plate.vla") +
                                             ", Zeile 4 (Abschnitt " + shape.keyword +
                                             "): " + problem + "\n" + line);
}

} // namespace

TEST(StrictReading, RefusesEveryBadTokenInEveryFieldKindOfEverySection) {
    const char* badReals[] = {"10,5", "5.O", "1e", "0x1p3", "1.5.2", "--1", "nan(1)"};
    const char* badIntegers[] = {"1.0", "1,0", "1e2", "0x10", "J", "+", "99999999999"};
    for (const SectionShape& shape : sections) {
        const std::vector<std::string> good = goodFields(shape);
        for (std::size_t k = 0; k < good.size(); ++k) {
            const bool real = shape.fields[k] == 'r';
            for (const char* token :
                 real ? std::vector(std::begin(badReals), std::end(badReals))
                      : std::vector(std::begin(badIntegers), std::end(badIntegers))) {
                std::vector<std::string> fields = good;
                fields[k] = token;
                expectRefused(shape, rowLine(fields),
                              std::string("Ungültige Zahl \"") + token + "\"");
            }
        }
    }
}

TEST(StrictReading, RefusesMissingFieldsAndTextAfterTheLastField) {
    for (const SectionShape& shape : sections) {
        std::vector<std::string> fields = goodFields(shape);
        expectRefused(shape, rowLine(fields) + " 7", "Überzähliger Text \"7\"");
        expectRefused(shape, rowLine(fields) + "  ; Kommentar",
                      "Überzähliger Text \"; Kommentar\"");
        // The ring's rotation flag may be missing; the field before it may not.
        fields.pop_back();
        if (std::string(shape.keyword) == "RINGS")
            fields.pop_back();
        expectRefused(shape, rowLine(fields),
                      "Zu wenige Werte (der " + std::to_string(fields.size() + 2) +
                          ". Wert fehlt)");
    }
}

TEST(StrictReading, RefusesBadCountLinesWithTheSection) {
    const std::pair<const char*, const char*> counts[] = {
        {"1.0", "Ungültige Anzahl \"1.0\""},
        {"2 Zeilen", "Überzähliger Text \"Zeilen\""},
        {"-1", "Ungültige Anzahl \"-1\""},
        {"", "Die Anzahl der Zeilen fehlt"},
        {"x", "Ungültige Anzahl \"x\""}};
    for (const auto& [count, problem] : counts) {
        Model model;
        try {
            readLoadText(model, std::string("SNOWLOAD\n") + count + "\n    1 1 1 2.0\n", "a.vla");
            ADD_FAILURE() << "accepted count " << count;
        } catch (const VenkarError& error) {
            EXPECT_EQ(error.reason(), problem);
            EXPECT_EQ(error.origin().line, 2);
            EXPECT_EQ(error.origin().file, "a.vla");
            EXPECT_EQ(error.origin().section, "SNOWLOAD");
        }
    }
}

TEST(StrictReading, RefusesARowLineBeyondTheCountButSkipsOtherText) {
    Model model;
    try {
        readSystemText(model, "NODES\n1\n    1 1.0 2.0 0 0 0 0\n    2 3.0 4.0 0 0 0 0\n\n");
        ADD_FAILURE();
    } catch (const VenkarError& error) {
        EXPECT_EQ(error.reason(), "Mehr Zeilen als angegeben (Anzahl 1)");
        EXPECT_EQ(error.origin().line, 4);
    }
    // An empty line counted as a row leaves the last row beyond the count.
    EXPECT_THROW(readSystemText(model, "NODES\n2\n    1 1.0 2.0 0 0 0 0\n\n"
                                       "    2 3.0 4.0 0 0 0 0\n\n"),
                 VenkarError);
    readSystemText(model, "NODES\n1\n    1 1.0 2.0 0 0 0 0\nBemerkung 2\nSHELLS\n0\n");
    EXPECT_EQ(model.nodes.definedCount(), 1);
}

TEST(StrictReading, AcceptsEveryFormOfTheCNumberSyntax) {
    Model model;
    readSystemText(model, "NODES\n3\n"
                          "    1 +1 -2. 0 +1 -0 .5\n"
                          "\t2 1E+05 1e-3 1 1 1 inf   \n"
                          "    3 NAN -Infinity 0 0 0 2.5e0\n");
    EXPECT_EQ(model.nodes.row(0).r, 1.0);
    EXPECT_EQ(model.nodes.row(0).z, -2.0);
    EXPECT_EQ(model.nodes.row(0).supportZ, 1);
    EXPECT_EQ(model.nodes.row(0).skewAngle, 0.5);
    EXPECT_EQ(model.nodes.row(1).r, 1e5);
    EXPECT_TRUE(std::isinf(model.nodes.row(1).skewAngle));
    EXPECT_TRUE(std::isnan(model.nodes.row(2).r));
    EXPECT_EQ(model.nodes.row(2).z, -INFINITY);
}

TEST(StrictReading, ReadsRingsWrittenWithTheOldSixDigitWidthFormat) {
    // " %14le" pads to fourteen columns; " %.d" writes a 0 as the blank alone.
    const std::string text = "RINGS\n2\n"
                             "    1 2 1.20000000000000e-01   1.600000e-03   3.000000e+07 0 \n"
                             "    2 3 1.0e-01   1.234568e-04   2.100000e+08 1 1\n\n";
    Model model;
    readSystemText(model, text);
    EXPECT_EQ(model.rings.row(0).inertia, 1.6e-3);
    EXPECT_EQ(model.rings.row(0).modulus, 3e7);
    EXPECT_EQ(model.rings.row(0).hingedRot, 0);
    EXPECT_EQ(model.rings.row(1).inertia, 1.234568e-4);
    EXPECT_EQ(model.rings.row(1).hingedR, 1);
    EXPECT_EQ(model.rings.row(1).hingedRot, 1);
}

TEST(StrictReading, ARefusedLineDefinesNoRowAndKeepsTheRowsReadBefore) {
    Model model;
    EXPECT_THROW(readLoadText(model, "NODELOAD\n2\n    1 1 1.0 2.0 3.0\n    2 1 10,5 0 0\n"),
                 VenkarError);
    EXPECT_EQ(model.nodeLoads.definedCount(), 1);
    EXPECT_FALSE(model.nodeLoads.isDefined(1));
}

TEST(FileKind, RefusesAFileWithoutAnyKeywordOfItsKindBeforeTouchingTheTables) {
    const std::string systemText = "NODES\n1\n    1 1.0 2.0 0 0 0 0.0\n\n";
    const std::string loadWithOnlyUnknown = "CRANELOAD\n1\n    1 1 1 2.0\n\nSELFWEIGHT\n0\n";
    Model model;
    readSystemText(model, systemText);
    readLoadText(model, "SNOWLOAD\n1\n    1 1 1 2.0\n");

    const std::string noSystem = "Die Datei plate.vla enthält keine Systemdaten (NODES, SHELLS, "
                                 "MATERIALS, HINGES, RINGS).";
    const std::string noLoad = "Die Datei %s enthält keine Lastfalldaten (NODELOAD, SHELLLOAD, "
                               "POINTLOAD, CONSTRAINTLOAD, WATERLOAD, SNOWLOAD, TEMPERATURE, "
                               "EIGENGEWICHT).";
    auto loadMessage = [&](const std::string& file) {
        std::string message = noLoad;
        return message.replace(message.find("%s"), 2, file);
    };
    const std::string loadFile = writeLoadText(model);
    try {
        readSystemText(model, loadFile, "plate.vla");
        ADD_FAILURE();
    } catch (const VenkarError& error) {
        EXPECT_EQ(error.what(), noSystem);
    }
    for (const std::string& text : {std::string(), loadWithOnlyUnknown, systemText}) {
        try {
            readLoadText(model, text, "plate.vsy");
            ADD_FAILURE() << text;
        } catch (const VenkarError& error) {
            EXPECT_EQ(error.what(), loadMessage("plate.vsy"));
        }
    }
    EXPECT_EQ(model.nodes.definedCount(), 1);
    EXPECT_EQ(model.snowLoads.definedCount(), 1);

    // One keyword is enough, in any case; self weight alone is a load case.
    EXPECT_NO_THROW(readSystemText(model, "hinges\n0\n"));
    EXPECT_NO_THROW(readLoadText(model, "EIGENGEWICHT\n"));
    EXPECT_TRUE(model.selfWeight());
}

TEST(FileKind, ListsTheSectionsTheReaderSkips) {
    const std::string text = "CRANELOAD\n1\n    1 1 1 2.0\n\n"
                             "NODELOAD\n0\n\n"
                             "BEMERKUNG\nnicht gezählt\n"
                             "Selfweight\n0\n"
                             "NODESX\n0\n"
                             "SELFWEIGHT\n 0\n";
    EXPECT_EQ(unknownSections(text), (std::vector<std::string>{"CRANELOAD", "SELFWEIGHT"}));
    EXPECT_TRUE(unknownSections("").empty());
}

TEST(ExampleFiles, EveryShippedAndFuzzSeedFileReadsAndRoundTripsByteForByte) {
    int files = 0;
    for (const char* folder : {VENKAR_EXAMPLES_DIR, VENKAR_SOURCE_DIR "/fuzz/corpus/system_file",
                               VENKAR_SOURCE_DIR "/fuzz/corpus/load_file"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const fs::path& path = entry.path();
            const bool isSystem = path.extension() == ".vsy";
            if (!isSystem && path.extension() != ".vla")
                continue;
            ++files;
            const std::string original = readTextFile(path).value();
            Model model;
            if (isSystem) {
                readSystemText(model, original, path.string());
                EXPECT_EQ(writeSystemText(model), original) << path;
            } else {
                readLoadText(model, original, path.string());
                EXPECT_EQ(writeLoadText(model), original) << path;
            }
        }
    }
    EXPECT_GE(files, 12);
}
