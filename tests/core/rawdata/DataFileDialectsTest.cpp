#include "core/rawdata/RawDataReader.h"
#include "tests/core/rawdata/DataFileFixture.h"

namespace qv {
namespace {

using Separators = DataFileFixture;
using QuotedFields = DataFileFixture;
using MissingMarks = DataFileFixture;
using NamesInCharacters = DataFileFixture;

TEST_F(Separators, ByteOrderMarkIsSkippedOnlyAtTheStart) {
    ASSERT_TRUE(load("bom.txt", "\xEF\xBB\xBFx1 x2\n1 \xEF\xBB\xBF\n").ok);
    EXPECT_EQ(row(0), (Row{"", "x1", "x2"}));
    EXPECT_EQ(row(1), (Row{"1", "1", "\xEF\xBB\xBF"}));
    ASSERT_TRUE(load("half.txt", "\xEF\xBB").ok);  // two bytes of a mark are a name
    EXPECT_EQ(table.cell(1, 0), "\xEF\xBB");
}

TEST_F(Separators, SemicolonFileReadsDecimalCommas) {
    ASSERT_TRUE(load("de.csv", "a; b ;c;d\n2,5; -0,75 ;3;x,y\n1,2,3;;NA;.\n").ok);
    EXPECT_EQ(row(0), (Row{"", "a", "b", "c", "d"}));
    EXPECT_EQ(row(1), (Row{"1", "2.5", "-0.75 ", "3", "x,y"}));
    EXPECT_EQ(row(2), (Row{"2", "1,2,3", "", "", ""}));
    ASSERT_TRUE(load("en.csv", "a,b\n2,5\n").ok);  // with commas a comma separates
    EXPECT_EQ(row(1), (Row{"1", "2", "5"}));
}

TEST_F(Separators, TabFileKeepsEmptyFieldsBetweenTabs) {
    ASSERT_TRUE(load("sheet.txt", "a\tb\tc\n1\t\t3\n\t\t\n\t5\t6\n").ok);  // tabs alone: no case
    EXPECT_EQ(row(1), (Row{"1", "1", "", "3"}));
    EXPECT_EQ(row(2), (Row{"2", "", "5", "6"}));
}

TEST_F(Separators, AHeaderWithTwoKindsIsRefusedNamingTheAcceptedSeparators) {
    for (const char* header : {"a;b,c\n1\n", "a\tb,c\n1\n", "a;b\tc\n1\n"}) {
        ports.clear();
        EXPECT_FALSE(load("mixed.txt", header).ok) << header;
        ASSERT_EQ(toldTexts().size(), 1u);
        EXPECT_NE(toldTexts()[0].find("mixed.txt are separated"), std::string::npos);
        EXPECT_NE(toldTexts()[0].find("blanks, commas, semicolons or tabs"), std::string::npos);
        EXPECT_EQ(table.columnCount(), 0);
    }
    EXPECT_TRUE(load("quoted.csv", "\"a;b\",c\n1,2\n").ok);  // inside quotes it is a name
    EXPECT_EQ(row(0), (Row{"", "a;b", "c"}));
}

TEST_F(QuotedFields, QuotesAreRemovedAndDoubledQuotesKeptOnce) {
    ASSERT_TRUE(load("q.csv", "\"x1\",\"x,2\", \"\"\n\"say \"\"hi\"\"\",\"\",3\n").ok);
    EXPECT_EQ(row(0), (Row{"", "x1", "x,2", ""}));
    EXPECT_EQ(row(1), (Row{"1", "say \"hi\"", "", "3"}));
    ASSERT_TRUE(load("q.txt", "\"a b\" c\n\"1 2\"x 3\n").ok);  // text after the closing quote stays
    EXPECT_EQ(row(0), (Row{"", "a b", "c"}));
    EXPECT_EQ(row(1), (Row{"1", "1 2x", "3"}));
    ASSERT_TRUE(load("open.csv", "a\n\"1,2\n3\n").ok);  // a quote never swallows the next line
    EXPECT_EQ(row(1), (Row{"1", "1,2"}));
    EXPECT_EQ(row(2), (Row{"2", "3"}));
}

TEST_F(MissingMarks, NaPointAndBlanksBecomeEmptyCellsOtherTextStays) {
    ASSERT_TRUE(load("m.csv", "a,b,c,d,e\nNA, . ,  ,N/A,n.a.\n\"NA\",1,2,3,4\n").ok);
    EXPECT_EQ(row(1), (Row{"1", "", "", "", "N/A", "n.a."}));
    EXPECT_EQ(row(2), (Row{"2", "", "1", "2", "3", "4"}));
}

TEST_F(MissingMarks, WithoutACodeTheyAreReportedWithRowAndColumn) {
    ASSERT_TRUE(load("gaps.txt", "a b\n1 NA\n. 2\n3 4\n").ok);
    EXPECT_TRUE(ReportMissingWithoutCode(table, ports));
    ASSERT_EQ(toldTexts().size(), 1u);
    EXPECT_NE(toldTexts()[0].find("gaps.txt has missing values"), std::string::npos);
    EXPECT_NE(toldTexts()[0].find("\n\nRow:1 Col:2\nRow:2 Col:1\n\n"), std::string::npos);
    ports.clear();
    ASSERT_TRUE(load("full.txt", "a b\n1 2\n").ok);
    EXPECT_FALSE(ReportMissingWithoutCode(table, ports));
    EXPECT_TRUE(ports.events().empty());
}

TEST_F(NamesInCharacters, LettersBeyondAsciiCountOnceAndNeverGetCut) {
    ASSERT_TRUE(load("de.txt", "Qualität Größe\n1 2\n").ok);  // 8 characters in 9 bytes
    EXPECT_EQ(row(0), (Row{"", "Qualität", "Größe"}));
    EXPECT_FALSE(load("long.txt", "ok Qualität_der_Leistung_und_der_Beratungen2\n1 2\n").ok);
    EXPECT_EQ(toldTexts(), (Texts{"Error: length of variables name greater than 40 (Qualität_der_Leistung_und_der_Beratungen...)",
                                  kImproperFormat}));
}

}  // namespace
}  // namespace qv
