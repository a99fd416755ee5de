#include <gtest/gtest.h>

#include "sources/SourceFormat.h"
#include "sources/SourceTestSupport.h"

namespace moid::sources {
namespace {

using testing::SampleText;

TEST(SourceFormat, FromTheFirstBytes) {
  EXPECT_EQ(DetectFormat(SampleText("sbdb-sample.json")), SourceFormat::SbdbJson);
  EXPECT_EQ(DetectFormat(SampleText("sbdb-sample.csv")), SourceFormat::SbdbCsv);
  EXPECT_EQ(DetectFormat(SampleText("mpcorb-sample.dat")), SourceFormat::Mpcorb);
  EXPECT_EQ(DetectFormat("\xEF\xBB\xBF \n {\"fields\": []}"), SourceFormat::SbdbJson);
  EXPECT_EQ(DetectFormat("pdes,e,a\n"), SourceFormat::SbdbCsv);
  EXPECT_EQ(DetectFormat("full_name e a\n"), SourceFormat::Mpcorb);  // no commas: not CSV
  EXPECT_EQ(DetectFormat(""), SourceFormat::Mpcorb);
}

}  // namespace
}  // namespace moid::sources
