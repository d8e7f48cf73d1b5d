#include "InputFixture.h"

#include "input/GridClipboard.h"
#include "input/GridText.h"
#include "input/MyEdit.h"
#include "input/UserInt.h"
#include "input/UserList.h"
#include "input/WindowMessages.h"

#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

TEST(GridText, NumbersReadTheLeadingNumberWithACommaAsPoint) {
    EXPECT_DOUBLE_EQ(leadingDouble("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(leadingDouble(" -2.5E3xyz"), -2500.0);
    EXPECT_DOUBLE_EQ(leadingDouble("+4"), 4.0);
    EXPECT_DOUBLE_EQ(leadingDouble("E5"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble(""), 0.0);
    EXPECT_EQ(leadingDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(leadingInteger("12.7"), 12);
    EXPECT_EQ(leadingInteger("-3"), -3);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger("99999999999"), 0);
}

TEST(GridText, WholeNumbersRefuseTrailingText) {
    EXPECT_EQ(wholeDouble("1,5"), 1.5);
    EXPECT_EQ(wholeDouble(" 2.5 "), 2.5);
    EXPECT_FALSE(wholeDouble("1.234,5"));
    EXPECT_FALSE(wholeDouble("12 kN"));
    EXPECT_FALSE(wholeDouble("kN"));
    EXPECT_EQ(wholeInteger("7"), 7);
    EXPECT_FALSE(wholeInteger("7.5"));
    EXPECT_FALSE(wholeInteger("99999999999"));
}

TEST(GridText, FormatsAreTheCOnes) {
    EXPECT_EQ(formatDouble("%#.6lg", 2.5), "2.50000");
    EXPECT_EQ(formatDouble("%#.3lg", 1.0), "1.00");
    EXPECT_EQ(formatDouble("%lf", 0.5), "0.500000");
    EXPECT_EQ(formatDouble("%#.4lg", 10.0), "10.00");
    EXPECT_EQ(formatInt("%d", -4), "-4");
    EXPECT_EQ(formatInt("", 4), "");
}

TEST(GridText, TheCharacterSetHoldsLettersDigitsSignsAndUmlauts) {
    for (QChar c : QStringLiteral("aZ09()+,-.:<=>[\\]{}ÄÖÜßäöü"))
        EXPECT_TRUE(isGridCharacter(c)) << QString(c).toStdString();
    for (QChar c : QStringLiteral(" #%&/!?é\t\x01"))
        EXPECT_FALSE(isGridCharacter(c)) << int(c.unicode());
}

TEST(GridText, TheNumberFieldNormalisesToSixDigits) {
    double value = 0.0;
    EXPECT_EQ(normalisedNumberText("1,23456789", u'.', &value), "1.23457");
    EXPECT_DOUBLE_EQ(value, 1.23456789);
    EXPECT_EQ(normalisedNumberText("2,5", u',', nullptr), "2,5");
    EXPECT_EQ(normalisedNumberText("abc", u'.', &value), "0");
    EXPECT_EQ(TMyEdit::mapCharacter(u','), u'.');
    EXPECT_EQ(TMyEdit::mapCharacter(u'e'), u'E');
    EXPECT_TRUE(TMyEdit::mapCharacter(u'x').isNull());
    EXPECT_EQ(TMyEdit::mapCharacter(u'7'), u'7');
}

TEST(GridText, ColumnTypesFilterTypedCharactersAndRoundBlockResults) {
    const TUserInt whole(TUserInt::uInteger, "%d");
    const TUserInt real(TUserInt::uDouble, "%#.6lg");
    EXPECT_TRUE(whole.Charfilter(u'-').isNull());
    EXPECT_TRUE(whole.Charfilter(u'e').isNull());
    EXPECT_EQ(real.Charfilter(u'e'), u'e');
    EXPECT_TRUE(real.Charfilter(u'x').isNull());
    EXPECT_EQ(whole.Mult(3, 2.0), CellValue(6));
    EXPECT_EQ(whole.Add(3, 0.5), CellValue(4));
    EXPECT_EQ(whole.Mult(3, 1e12), CellValue(0)); // out of range
    EXPECT_EQ(real.Mult(1.5, 2.0), CellValue(3.0));
    EXPECT_EQ(real.TextToValue("1,5"), CellValue(1.5));
}

TEST(GridText, ListsMatchPrefixesCaseInsensitively) {
    const TUserList list({"Innen", "Außen"});
    EXPECT_EQ(list.GetNIndex("a").count, 1);
    EXPECT_EQ(list.GetNIndex("a").index, 1);
    EXPECT_EQ(list.GetNIndex("").count, 0);
    EXPECT_EQ(list.GetNIndex("innen").count, 1);
    const TUserList both({"Ab", "Abc"});
    EXPECT_EQ(both.GetNIndex("A").count, 2);
    EXPECT_EQ(both.GetNIndex("Ab").index, 0); // an item as long as the text wins
    QString text = "x";
    EXPECT_FALSE(list.Textfilter(text));
    EXPECT_EQ(text, "");
    text = "i";
    EXPECT_TRUE(list.Textfilter(text));
    EXPECT_EQ(text, "Innen");
    const TUserList empty({});
    EXPECT_EQ(empty.GetNIndex("a").count, 0);
    EXPECT_EQ(empty.ValueToText(0), "");
}

// The paste over a table without any widget.
class PasteTest : public ::testing::Test {
protected:
    PasteTest() {
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uInteger, "%d"));
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uInteger, "%d"));
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uInteger, "%d"));
        cells.push_back(std::make_unique<TUserList>(QStringList{"Innen", "Außen"}));
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uDouble, "%#.6lg"));
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uDouble, "%#.3lg"));
        cells.push_back(std::make_unique<TUserInt>(TUserInt::uInteger, "%d"));
        columns.push_back(nullptr);
        for (const auto& cell : cells)
            columns.push_back(cell.get());
    }
    Model model;
    std::vector<std::unique_ptr<TUserCell>> cells;
    GridColumns columns; // the shell page's columns
};

TEST_F(PasteTest, LinesEndInCrLfLfOrCrAndEveryFieldDefinesItsRowFirst) {
    model.shells.changeValid(0, 0, rowEdited);
    model.shells.rowAt(0).material = 2;
    const PasteResult result =
        pasteText(model.shells, columns, 1, 1, "1\t2\t3\tAußen\r\n4\t5\n6\t7\r8\t9\t\t\r\n");
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.lastRow, 4);
    const ShellRecord& first = model.shells.row(1);
    EXPECT_EQ(first.startNode, 1);
    EXPECT_EQ(first.endNode, 2);
    EXPECT_EQ(first.material, 3); // not overwritten by the row above's material
    EXPECT_EQ(first.curvature, 1);
    EXPECT_EQ(model.shells.row(2).startNode, 4);
    EXPECT_EQ(model.shells.row(3).startNode, 6);
    EXPECT_EQ(model.shells.row(4).endNode, 9);
    EXPECT_EQ(model.shells.row(4).material, 3); // empty field: the row above's material
    EXPECT_EQ(model.shells.definedCount(), 5);
}

TEST_F(PasteTest, AFieldThatIsNoNumberStopsWithRowAndColumn) {
    const PasteResult result = pasteText(model.shells, columns, 0, 4, "innen\t1.234,5\t7");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.message, "Zeile 1, Spalte 5: \"1.234,5\" ist kein gültiger Wert");
    EXPECT_EQ(model.shells.row(0).curvature, 0);
    EXPECT_TRUE(model.shells.isDefined(0));
    EXPECT_DOUBLE_EQ(model.shells.row(0).discretisationFactor, 1.0); // untouched default
    EXPECT_FALSE(pasteText(model.shells, columns, 0, 1, "12 kN").complete);
}

TEST_F(PasteTest, CopyGivesWhatPasteReadsBack) {
    pasteText(model.shells, columns, 0, 1, "1\t2\t3\tInnen\t4,5\t1\t8\r\n\r\n5\t6");
    const QString text = copyBlockText(model.shells, columns, {0, 2, 1, 7});
    EXPECT_EQ(text, "1\t2\t3\tInnen\t4.50000\t1.00\t8\r\n\t\t\t\t\t\t\r\n"
                    "5\t6\t1\tInnen\t0.00000\t1.00\t1\r\n");
    Model copy;
    EXPECT_TRUE(pasteText(copy.shells, columns, 0, 1, text).complete);
    EXPECT_EQ(copyBlockText(copy.shells, columns, {0, 2, 1, 7}), text);
}

TEST_F(PasteTest, TenThousandLinesAndBinaryTextNeitherHangNorCrash) {
    QString lines;
    for (int i = 0; i < 10000; ++i)
        lines += QString::number(i) + "\t1\r\n";
    EXPECT_TRUE(pasteText(model.shells, columns, 0, 1, lines).complete);
    EXPECT_EQ(model.shells.definedCount(), 10000);
    EXPECT_EQ(model.shells.row(9999).startNode, 9999);

    QString binary;
    for (int i = 0; i < 4096; ++i)
        binary += QChar(static_cast<char16_t>((i * 7919) % 0xD7FF));
    Model other;
    pasteText(other.shells, columns, 0, 1, binary); // stops at the first bad field
    EXPECT_LE(other.shells.count(), 4097);
}

TEST_F(PasteTest, RowsBeyondTheTablesBoundAreRefused) {
    const PasteResult result = pasteText(model.shells, columns, maxPasteRow, 1, "1\n2");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.message, "Kopierbeireich außerhalb der Tabelle");
    EXPECT_EQ(model.shells.row(maxPasteRow).startNode, 1);
    EXPECT_EQ(model.shells.count(), maxPasteRow + 1);
}

} // namespace

namespace {

// Counts the number field's change messages at its parent.
class MessageCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (static_cast<int>(event->type()) == windowmessages::numberChanged)
            ++changes;
        return false;
    }
    int changes = 0;
};

TEST(MyEdit, TypingMapsCommaAndRefusesLettersAndLeavingNormalises) {
    FakeInputMessages messages;
    QWidget parent;
    MessageCounter counter;
    parent.installEventFilter(&counter);
    auto* edit = new TMyEdit(&parent, &messages);
    QTest::keyClicks(edit, "1,23456789e2x");
    EXPECT_EQ(edit->text(), "1.23456789E2");
    EXPECT_EQ(messages.beeps, 1);
    QApplication::processEvents();
    EXPECT_EQ(counter.changes, 12);
    EXPECT_DOUBLE_EQ(edit->value(), 123.456789);
    EXPECT_EQ(edit->text(), "123.457");
    QApplication::processEvents();
    EXPECT_EQ(counter.changes, 12); // the normalisation is no user change
}

} // namespace
