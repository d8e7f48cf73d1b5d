#include "reports/TableHeads.h"

#include "analysis/AnalysisTestSupport.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "reports/InputReport.h"
#include "reports/ReportHead.h"
#include "reports/ResultsReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace venkar;
using namespace venkar::test;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A table row begins with a number, or with a quantity's name and a number
// ("  N-Phi      337.7 ..."); heads begin otherwise.
bool isRow(const std::string& line) {
    static const std::regex row(R"(^ *(-?[0-9]|[A-Za-z-]+ +-?[0-9]))");
    return std::regex_search(line, row);
}

// Checks the heads of `report` against its lines: a blank line before every
// head, rows and only rows from the head's end to the table's end, and one
// head per table title (`isTitle`, the report's own title kinds).
template <class IsTitle>
void expectHeadsFitTheText(const ReportText& report, IsTitle isTitle, const std::string& name) {
    SCOPED_TRACE(name);
    const std::vector<std::string> lines = linesOf(report.text);
    const int count = static_cast<int>(lines.size());
    std::vector<int> titles;
    for (int i = 0; i < count; ++i)
        if (isTitle(lines, i))
            titles.push_back(i);
    ASSERT_EQ(report.tableHeads.size(), titles.size());
    int previousEnd = 0;
    for (std::size_t t = 0; t < titles.size(); ++t) {
        const TableHead& head = report.tableHeads[t];
        EXPECT_EQ(head.first, titles[t]) << lines[static_cast<std::size_t>(titles[t])];
        ASSERT_TRUE(previousEnd <= head.first && head.first < head.body && head.body <= head.end &&
                    head.end <= count);
        EXPECT_TRUE(lines[static_cast<std::size_t>(head.first - 1)].empty());
        EXPECT_FALSE(isRow(lines[static_cast<std::size_t>(head.body - 1)]));
        for (int row = head.body; row < head.end; ++row)
            EXPECT_TRUE(isRow(lines[static_cast<std::size_t>(row)]))
                << "line " << row << ": " << lines[static_cast<std::size_t>(row)];
        if (head.end < count) {
            EXPECT_FALSE(isRow(lines[static_cast<std::size_t>(head.end)]));
        }
        previousEnd = head.end;
    }
}

TEST(TableHeads, EveryTableOfTheExampleReportsHasItsHeadBesideTheUnchangedText) {
    // Input tables: a title over a rule of 66 dashes. Results tables: a
    // title between dashes (not the section title "Schnittkräfte") or an
    // extremes table "Schale Nr.N".
    const auto inputTitle = [](const std::vector<std::string>& lines, int i) {
        return i + 1 < static_cast<int>(lines.size()) &&
               lines[static_cast<std::size_t>(i + 1)] == std::string(66, '-') &&
               lines[static_cast<std::size_t>(i - 1)].empty();
    };
    const auto resultsTitle = [](const std::vector<std::string>& lines, int i) {
        static const std::regex title(R"(^-+ ([^-].*[^ ]) -+$)");
        static const std::regex extremes(R"(^Schale Nr\.[0-9]+$)");
        std::smatch match;
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (std::regex_match(line, match, title))
            return match[1] != "Schnittkräfte";
        return std::regex_match(line, extremes);
    };
    for (const char* name : {"wassertank", "kuppel", "kuehlturm", "druckbehaelter"}) {
        const std::string examples = VENKAR_EXAMPLES_DIR;
        Model model;
        readSystemText(model, readTextFile(examples + "/" + name + ".vsy").value());
        readLoadText(model, readTextFile(examples + "/" + name + ".vla").value());
        ReportHead head;
        head.systemPath = std::string("/daten/") + name + ".vsy";
        const ReportText input = composeInputReport(model, head);
        EXPECT_EQ(input.text, writeInputReport(model, head));
        expectHeadsFitTheText(input, inputTitle, std::string(name) + " input");

        AnalysisModel analysis;
        RecordingStatus status;
        RecordingMessages messages;
        ASSERT_TRUE(calculate(model, analysis, status, messages)) << name;
        const ReportText results = composeResultsReport(analysis.results, head);
        EXPECT_EQ(results.text, writeResultsReport(analysis.results, head));
        expectHeadsFitTheText(results, resultsTitle, std::string(name) + " results");
    }
}

TEST(TableHeads, TheSideFileKeepsTheHeadsAndADamagedLineLosesOnlyItself) {
    const std::vector<TableHead> heads{{3, 6, 40}, {42, 44, 44}, {50, 52, 900}};
    EXPECT_EQ(formatTableHeads(heads), "3 6 40\n42 44 44\n50 52 900\n");
    EXPECT_EQ(parseTableHeads(formatTableHeads(heads)), heads);

    const std::string damaged = "3 6 40\r\n"
                                "7 x 9\n"    // not a number
                                "9 8 20\n"   // the head ends before it begins
                                "10 12 11\n" // the rows end before they begin
                                "-1 2 3\n"
                                "12 13\n"
                                "14 15 16 17\n"
                                "\n"
                                "50 52 900";
    EXPECT_EQ(parseTableHeads(damaged), (std::vector<TableHead>{{3, 6, 40}, {50, 52, 900}}));
}

} // namespace
