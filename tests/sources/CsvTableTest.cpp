#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sources/CsvTable.h"

namespace moid::sources {
namespace {

using Values = std::vector<std::optional<std::string>>;

struct RecordedTable final : TableVisitor {
  std::vector<std::string> fields;
  std::vector<TableRow> rows;
  std::vector<SourceProblem> problems;

  std::string OnFields(const std::vector<std::string>& names) override {
    fields = names;
    return names.size() < 2 ? "too few fields" : "";
  }
  void OnRow(TableRow&& row) override { rows.push_back(std::move(row)); }
  void OnProblem(SourceProblem&& problem) override { problems.push_back(std::move(problem)); }
};

TEST(ImportCsv, ValuesPlainAndQuoted) {
  EXPECT_EQ(SplitCsvLine("a,b,c").values, (Values{"a", "b", "c"}));
  EXPECT_EQ(SplitCsvLine(" a , b ").values, (Values{"a", "b"}));
  EXPECT_EQ(SplitCsvLine("\"x, y\",2").values, (Values{"x, y", "2"}));
  EXPECT_EQ(SplitCsvLine("\"say \"\"hi\"\"\"").values, (Values{"say \"hi\""}));
  EXPECT_EQ(SplitCsvLine("  \"  1 Ceres\"  ,3").values, (Values{"1 Ceres", "3"}));
  EXPECT_EQ(SplitCsvLine("ab\"c").values, (Values{"ab\"c"}));  // a quote inside is a byte
}

TEST(ImportCsv, EmptyAndBlankValuesAreMissing) {
  EXPECT_EQ(SplitCsvLine("").values, (Values{std::nullopt}));
  EXPECT_EQ(SplitCsvLine("a,,c").values, (Values{"a", std::nullopt, "c"}));
  EXPECT_EQ(SplitCsvLine("a,").values, (Values{"a", std::nullopt}));
  EXPECT_EQ(SplitCsvLine("\"\", \" \"").values, (Values{std::nullopt, std::nullopt}));
}

TEST(ImportCsv, MalformedLines) {
  EXPECT_EQ(SplitCsvLine("\"a\" b,c").error, "text follows the closing quote of value 1");
  EXPECT_EQ(SplitCsvLine("a,\"b").error, "the quote of value 2 is not closed on its line");
  EXPECT_EQ(SplitCsvLine("a,\"b\"\"").error, "the quote of value 2 is not closed on its line");
}

TEST(ImportCsv, FirstLineNamesTheFieldsTheRestAreRows) {
  std::istringstream in(
      "\xEF\xBB\xBF"
      "\r\n"
      "\"full_name\",\"e\"\r\n"
      "\"  1 Ceres\",.0786\r\n"
      "\r\n"
      "\"  2 Pallas\",\"\r\n"
      "\"  3 Juno\",\n"
      "4 Vesta,0.089,extra");
  RecordedTable table;
  EXPECT_EQ(ReadCsvTable(in, table), "");
  EXPECT_EQ(table.fields, (std::vector<std::string>{"full_name", "e"}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].line, 3);
  EXPECT_EQ(table.rows[0].label, "");
  EXPECT_EQ(table.rows[0].values, (Values{"1 Ceres", ".0786"}));
  EXPECT_EQ(table.rows[1].line, 6);
  EXPECT_EQ(table.rows[1].values, (Values{"3 Juno", std::nullopt}));
  EXPECT_EQ(table.rows[2].line, 7);
  EXPECT_EQ(table.rows[2].values, (Values{"4 Vesta", "0.089", "extra"}));  // counted later
  ASSERT_EQ(table.problems.size(), 1u);
  EXPECT_EQ(table.problems[0].line, 5);
  EXPECT_EQ(table.problems[0].message, "the quote of value 2 is not closed on its line; skipped");
}

TEST(ImportCsv, QuotedValuesMayHoldLineBreaks) {
  std::istringstream in(
      "full_name,e\r\n"
      "\"Ceres\r\n(the first)\",.0786\r\n"
      "\"Pallas\",\"0.23\n\n\"\n"
      "Juno,0.25\n");
  RecordedTable table;
  EXPECT_EQ(ReadCsvTable(in, table), "");
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].line, 2);
  EXPECT_EQ(table.rows[0].values, (Values{"Ceres\n(the first)", ".0786"}));  // as LF
  EXPECT_EQ(table.rows[1].line, 4);
  EXPECT_EQ(table.rows[1].values, (Values{"Pallas", "0.23"}));  // blanks around dropped
  EXPECT_EQ(table.rows[2].line, 7);
  EXPECT_EQ(table.rows[2].values, (Values{"Juno", "0.25"}));
  EXPECT_TRUE(table.problems.empty());
}

TEST(ImportCsv, AStrayQuoteInTheMiddleCostsOnlyItsLine) {
  std::string text = "full_name,e\n";
  for (int i = 0; i < 200; ++i) {
    text += (i == 100 ? "\"broken,0.1\n" : "body" + std::to_string(i) + ",0.1\n");
  }
  std::istringstream in(text);
  RecordedTable table;
  EXPECT_EQ(ReadCsvTable(in, table), "");
  EXPECT_EQ(table.rows.size(), 199u);
  ASSERT_EQ(table.problems.size(), 1u);
  EXPECT_EQ(table.problems[0].line, 102);
  EXPECT_EQ(table.rows[100].line, 103);
  EXPECT_EQ(table.rows[100].values, (Values{"body101", "0.1"}));
}

TEST(ImportCsv, WhatCannotBeATableExport) {
  RecordedTable table;
  std::istringstream empty("\n \n");
  EXPECT_EQ(ReadCsvTable(empty, table), "no line of field names: the input is empty");
  std::istringstream badHeader("\"a,b\n1,2\n");
  EXPECT_EQ(ReadCsvTable(badHeader, table), "line 1: the quote of value 1 is not closed on its line");
  std::istringstream refused("only\n1\n");
  EXPECT_EQ(ReadCsvTable(refused, table), "too few fields");
  EXPECT_TRUE(table.rows.empty());
}

}  // namespace
}  // namespace moid::sources
