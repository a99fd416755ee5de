#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>

#include "tools/ProgressLine.h"

namespace moid::tools {
namespace {

TEST(ProgressLine, CountingItemsShowsABarWithTheCount) {
  std::ostringstream err;
  {
    ProgressLine progress(err, "measuring", 4, ProgressLine::Form::CountBar);
    progress.Update(1);
    progress.Update(1);  // the same text: not written again
    progress.Update(4);
  }  // the end of the line's life blanks it
  const std::string quarter = "measuring [" + std::string(10, '#') + std::string(30, '.') + "] 1/4";
  const std::string whole = "measuring [" + std::string(40, '#') + "] 4/4";
  EXPECT_EQ(err.str(), "\r" + quarter + "\r" + whole + "\r" + std::string(whole.size(), ' ') + "\r");
}

TEST(ProgressLine, AShortJobShowsNothing) {
  std::ostringstream err;
  ProgressLine progress(err, "", 100, ProgressLine::Form::CountBar, std::chrono::hours(1));
  for (int done = 0; done <= 100; done += 10) progress.Update(static_cast<std::uint64_t>(done));
  progress.Finish();
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace moid::tools
