#include "app/ViewerArguments.h"

#include <gtest/gtest.h>

namespace moid {
namespace {

TEST(ViewerArguments, HelpAndVersionAreAnsweredBeforeAnyWindow) {
  EXPECT_EQ(ViewerRequestFor({}), ViewerRequest::Run);
  EXPECT_EQ(ViewerRequestFor({"--help"}), ViewerRequest::Usage);
  EXPECT_EQ(ViewerRequestFor({"-h"}), ViewerRequest::Usage);
  EXPECT_EQ(ViewerRequestFor({"--version"}), ViewerRequest::Version);
  EXPECT_EQ(ViewerRequestFor({"--version", "--help"}), ViewerRequest::Version);  // the first
  EXPECT_EQ(ViewerRequestFor({"extra", "--help"}), ViewerRequest::Usage);
  // Anything else is ignored, as the program always ignored its command line.
  EXPECT_EQ(ViewerRequestFor({"ELEMENTS.DAT"}), ViewerRequest::Run);
  EXPECT_EQ(ViewerRequestFor({"--HELP", "-help", "help"}), ViewerRequest::Run);
}

TEST(ViewerArguments, UsageNamesTheOptionsAndWhereTheCatalogueIsFound) {
  const std::string usage = ViewerUsage();
  EXPECT_EQ(usage.rfind("usage: moidview\n", 0), 0u);
  EXPECT_NE(usage.find("moidview --help\n"), std::string::npos);
  EXPECT_NE(usage.find("moidview --version\n"), std::string::npos);
  EXPECT_NE(usage.find("ELEMENTS.DAT"), std::string::npos);
  EXPECT_NE(usage.find("KORIX12DIR"), std::string::npos);
  EXPECT_EQ(usage.back(), '\n');
}

}  // namespace
}  // namespace moid
