#include <gtest/gtest.h>

#include <string>

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
  EXPECT_EQ(DetectFormat("full_name e a\n"), SourceFormat::Unknown);  // no commas: not CSV
  EXPECT_EQ(DetectFormat(""), SourceFormat::Unknown);
  EXPECT_EQ(DetectFormat("shopping list\nmilk\n"), SourceFormat::Unknown);
  EXPECT_EQ(DetectFormat(std::string(300, ' ') + "\n"), SourceFormat::Unknown);
  // The header of MPCORB.DAT, its line of dashes beyond the first lines.
  EXPECT_EQ(DetectFormat("MINOR PLANET CENTER ORBIT DATABASE (MPCORB)\n\nDes'n     H     G   "
                         "Epoch     M        Peri.\n" + std::string(160, '-') + "\n"),
            SourceFormat::Mpcorb);
  // A data line cut off by the end of the bytes looked at still counts when it reaches the
  // elements.
  const std::string sample = SampleText("mpcorb-sample.dat");
  const std::size_t lastHeaderLine = sample.find("\n", sample.find("-----")) + 1;
  EXPECT_EQ(DetectFormat(sample.substr(lastHeaderLine, 150)), SourceFormat::Mpcorb);
  EXPECT_EQ(DetectFormat(sample.substr(lastHeaderLine, 60)), SourceFormat::Unknown);
}

}  // namespace
}  // namespace moid::sources
