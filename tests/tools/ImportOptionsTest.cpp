#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/ImportOptions.h"
#include "tools/ProgressLine.h"
#include "sources/SourceTestSupport.h"

namespace moid::tools {
namespace {

using sources::testing::SampleText;

TEST(ImportOptions, EveryOption) {
  const ImportOptionsParse parse =
      ParseImportOptions({"--format", "mpcorb", "--epoch", "2460800.5", "--limit", "500", "--neo",
                          "--name-contains", "Apo", "--verbose", "MPCORB.DAT", "-o", "out.dat"});
  ASSERT_TRUE(parse.options.has_value()) << parse.error;
  const ImportOptions& o = *parse.options;
  EXPECT_EQ(o.format, sources::SourceFormat::Mpcorb);
  EXPECT_EQ(o.epochJd, 2460800.5);
  EXPECT_EQ(o.filters.limit, 500);
  EXPECT_TRUE(o.filters.nearEarthOnly);
  EXPECT_EQ(o.filters.nameContains, "Apo");
  EXPECT_TRUE(o.verbose);
  EXPECT_EQ(o.inputs, (std::vector<std::string>{"MPCORB.DAT"}));
  EXPECT_EQ(o.output, "out.dat");
}

TEST(ImportOptions, Defaults) {
  const ImportOptionsParse parse = ParseImportOptions({"in.json", "--output", "E.DAT"});
  ASSERT_TRUE(parse.options.has_value());
  EXPECT_EQ(parse.options->format, sources::SourceFormat::Detect);
  EXPECT_EQ(parse.options->epochJd, std::nullopt);
  EXPECT_EQ(parse.options->filters.limit, std::nullopt);
  EXPECT_FALSE(parse.options->filters.nearEarthOnly);
  EXPECT_FALSE(parse.options->verbose);
}

TEST(ImportOptions, Errors) {
  EXPECT_EQ(ParseImportOptions({}).error, "no INPUT given");
  EXPECT_EQ(ParseImportOptions({"a"}).error, "no output given: -o ELEMENTS.DAT");
  EXPECT_EQ(ParseImportOptions({"a", "b", "-o", "c"}).options->inputs,
            (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ParseImportOptions({"a", "--epoch"}).error, "--epoch needs a value");
  EXPECT_EQ(ParseImportOptions({"a", "-o", "c", "--epoch", "inf"}).error,
            "--epoch takes a Julian day, not \"inf\"");
  EXPECT_EQ(ParseImportOptions({"a", "-o", "c", "--limit", "-3"}).error,
            "--limit takes a whole number from 1 up, not \"-3\"");
  EXPECT_EQ(ParseImportOptions({"a", "-o", "c", "--format", "JSON"}).error,
            "--format takes mpcorb, sbdb-json, sbdb-csv or sbdb-api, not \"JSON\"");
  EXPECT_EQ(ParseImportOptions({"a", "-o", "c", "--all"}).error, "unknown option \"--all\"");
  EXPECT_TRUE(ParseImportOptions({"a", "-h"}).help);
}

TEST(ImportProgress, PercentagesRewrittenInPlaceThenBlanked) {
  std::ostringstream err;
  ProgressLine progress(err, "reading", 200);
  progress.Update(0);
  progress.Update(1);    // still 0%: nothing new
  progress.Update(20);
  progress.Update(10);   // backwards: nothing
  progress.Update(500);  // past the end counts as done
  progress.Finish();
  EXPECT_EQ(err.str(), "\rreading   0%\rreading  10%\rreading 100%\r            \r");
  std::ostringstream silent;
  ProgressLine nothing(silent, "reading", 0);
  nothing.Update(5);
  nothing.Finish();
  EXPECT_EQ(silent.str(), "");
}

}  // namespace
}  // namespace moid::tools
