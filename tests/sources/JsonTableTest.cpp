#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "sources/JsonTable.h"
#include "sources/JsonCursor.h"

namespace moid::sources {
namespace {

using Values = std::vector<std::optional<std::string>>;

struct RecordedTable final : TableVisitor {
  std::vector<std::string> fields;
  std::vector<TableRow> rows;
  std::vector<SourceProblem> problems;
  std::string verdict;  // what OnFields answers

  std::string OnFields(const std::vector<std::string>& names) override {
    fields = names;
    return verdict;
  }
  void OnRow(TableRow&& row) override { rows.push_back(std::move(row)); }
  void OnProblem(SourceProblem&& problem) override { problems.push_back(std::move(problem)); }
};

TEST(ImportJsonCursor, StringsWithEscapes) {
  JsonCursor cursor(R"("a\"b\\c\/d\n\t" "\u00e9\u20AC" "\ud83d\ude00" "\ud800x" "bad\q")");
  EXPECT_EQ(cursor.String(), "a\"b\\c/d\n\t");
  cursor.SkipSpace();
  EXPECT_EQ(cursor.String(), "\xC3\xA9\xE2\x82\xAC");         // é €
  cursor.SkipSpace();
  EXPECT_EQ(cursor.String(), "\xF0\x9F\x98\x80");             // a surrogate pair: one emoji
  cursor.SkipSpace();
  EXPECT_EQ(cursor.String(), "\xEF\xBF\xBDx");                // a lone half: U+FFFD
  cursor.SkipSpace();
  EXPECT_EQ(cursor.String(), std::nullopt);                   // \q is no escape
  EXPECT_EQ(JsonCursor(R"("cut off)").String(), std::nullopt);
  EXPECT_EQ(JsonCursor(R"("\u12")").String(), std::nullopt);
}

TEST(ImportJsonCursor, ScalarsAsText) {
  JsonCursor cursor(R"( "x", -12.5e+3, 0, true, false, null, nul )");
  auto next = [&cursor]() {
    auto value = cursor.Scalar();
    cursor.Consume(',');
    return value;
  };
  EXPECT_EQ(next(), std::optional<std::string>("x"));
  EXPECT_EQ(next(), std::optional<std::string>("-12.5e+3"));
  EXPECT_EQ(next(), std::optional<std::string>("0"));
  EXPECT_EQ(next(), std::optional<std::string>("true"));
  EXPECT_EQ(next(), std::optional<std::string>("false"));
  const auto null = next();
  ASSERT_TRUE(null.has_value());
  EXPECT_EQ(*null, std::nullopt);
  EXPECT_FALSE(next().has_value());  // "nul" is nothing
  for (const char* bad : {"-", "1.", "1e", "-x", ".5", "[1]", "{}"}) {
    EXPECT_FALSE(JsonCursor(bad).Scalar().has_value()) << bad;
  }
}

TEST(ImportJsonCursor, SkipsNestedValuesAndCountsLines) {
  JsonCursor cursor("{\"a\": [1, {\"b\": \"]}\"}],\n \"c\": 2}\n x");
  EXPECT_TRUE(cursor.SkipValue());
  cursor.SkipSpace();
  EXPECT_EQ(cursor.Peek(), 'x');
  EXPECT_EQ(cursor.Line(), 3);
  cursor.Seek(0);
  EXPECT_EQ(cursor.Line(), 1);
  EXPECT_FALSE(JsonCursor("[1, [2, 3]").SkipValue());
}

TEST(ImportJsonTable, FieldsThenRows) {
  RecordedTable table;
  const SourceFailure failure = ReadJsonTable(
      "{\"signature\": {\"v\": [1, 2]},\n"
      " \"fields\": [\"full_name\", \"e\"],\n"
      " \"data\": [\n"
      "  [\"  1 Ceres (A801 AA)\", \".0786\"],\n"
      "  [\"  2 Pallas\", null],\n"
      "  [\"x\", 0.25, true]\n"
      " ],\n"
      " \"count\": 3}\n",
      table);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(table.fields, (std::vector<std::string>{"full_name", "e"}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].line, 4);
  EXPECT_EQ(table.rows[0].label, "data row 1");
  EXPECT_EQ(table.rows[0].values, (Values{"  1 Ceres (A801 AA)", ".0786"}));
  EXPECT_EQ(table.rows[1].values, (Values{"  2 Pallas", std::nullopt}));
  EXPECT_EQ(table.rows[2].line, 6);
  EXPECT_EQ(table.rows[2].values, (Values{"x", "0.25", "true"}));  // counted by the caller
  EXPECT_TRUE(table.problems.empty());
}

TEST(ImportJsonTable, RowsBeforeTheFieldsWaitForThem) {
  RecordedTable table;
  EXPECT_EQ(ReadJsonTable(R"({"count": 1, "data": [["a", "1"]], "fields": ["n", "e"]})", table), "");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].values, (Values{"a", "1"}));
}

TEST(ImportJsonTable, MalformedRowsAreReportedWithTheirLineAndSkipped) {
  RecordedTable table;
  const SourceFailure failure = ReadJsonTable(
      "{\"fields\": [\"n\", \"e\"],\n"
      "\"data\": [\n"
      "[\"a\", \"1\"],\n"
      "[\"b\", {\"e\": \"2\"}],\n"
      "[\"c\" \"3\"],\n"
      "\"d\",\n"
      "[\"e\", \"5\"]\n"
      "[\"f\", \"6\"],\n"
      "[\"g\", bad],\n"
      "[\"h\", \"8\"]]}",
      table);
  EXPECT_EQ(failure, "");
  std::vector<std::string> names;
  for (const TableRow& row : table.rows) names.push_back(*row.values[0]);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "e", "f", "h"}));
  ASSERT_EQ(table.problems.size(), 5u);
  EXPECT_EQ(table.problems[0].line, 4);
  EXPECT_EQ(table.problems[0].message,
            "data row 2: value 2 is not a string, a number or null; skipped");
  EXPECT_EQ(table.problems[1].line, 5);
  EXPECT_EQ(table.problems[1].message, "data row 3: ',' or ']' is missing after value 1; skipped");
  EXPECT_EQ(table.problems[2].line, 6);
  EXPECT_EQ(table.problems[2].message, "data row 4 is not an array; skipped");
  EXPECT_EQ(table.problems[3].line, 8);
  EXPECT_EQ(table.problems[3].message, "',' is missing after data row 5");
  EXPECT_EQ(table.problems[4].line, 9);
}

TEST(ImportJsonTable, InputCutOffInsideTheDataKeepsTheRowsBefore) {
  RecordedTable table;
  const SourceFailure failure =
      ReadJsonTable("{\"fields\": [\"n\"],\n\"data\": [\n[\"a\"],\n[\"b\"],\n[\"c", table);
  EXPECT_EQ(failure, "");
  ASSERT_EQ(table.rows.size(), 2u);
  ASSERT_EQ(table.problems.size(), 1u);
  EXPECT_EQ(table.problems[0].line, 5);
  EXPECT_EQ(table.problems[0].message, "data row 3 is cut short by the end of the input; skipped");

  RecordedTable betweenRows;
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"], \"data\": [[\"a\"],", betweenRows), "");
  EXPECT_EQ(betweenRows.rows.size(), 1u);
  ASSERT_EQ(betweenRows.problems.size(), 1u);
  EXPECT_EQ(betweenRows.problems[0].message, "the input ends inside the data, after data row 1");
}

TEST(ImportJsonTable, MalformedMatterAfterTheDataLosesNothing) {
  RecordedTable table;
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"], \"data\": [[\"a\"]], \"count\": ?}", table), "");
  EXPECT_EQ(table.rows.size(), 1u);
  ASSERT_EQ(table.problems.size(), 1u);
  EXPECT_EQ(table.problems[0].message, "malformed JSON after the data (expected a value); ignored");
}

TEST(ImportJsonTable, WhatCannotBeATableExport) {
  RecordedTable table;
  EXPECT_NE(ReadJsonTable("", table), "");
  EXPECT_NE(ReadJsonTable("[1, 2]", table), "");
  EXPECT_EQ(ReadJsonTable("{\"data\": [[\"a\"]]}", table),
            "no \"fields\" array: a table export names its fields");
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"]}", table), "no \"data\" array: the export holds no rows");
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\", 1], \"data\": []}", table),
            "line 1: malformed JSON: expected a field name in double quotes");
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"], \"data\": 5}", table),
            "line 1: malformed JSON: expected the \"data\" array");
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"]\n \"data\": []}", table),
            "line 2: malformed JSON: expected ',' or '}'");
  table.verdict = "not these fields";
  EXPECT_EQ(ReadJsonTable("{\"fields\": [\"n\"], \"data\": [[\"a\"]]}", table), "not these fields");
}

TEST(ImportJsonTable, AByteOrderMarkIsPassedOver) {
  RecordedTable table;
  EXPECT_EQ(ReadJsonTable("\xEF\xBB\xBF{\"fields\": [\"n\"], \"data\": [[\"a\"]]}", table), "");
  EXPECT_EQ(table.rows.size(), 1u);
}

}  // namespace
}  // namespace moid::sources
