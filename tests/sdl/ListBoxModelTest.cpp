#include "platform/sdl/ListBoxModel.h"

#include <gtest/gtest.h>

#include "ListNames.h"
#include "platform/Keys.h"

namespace moid::sdl {
namespace {

using Outcome = ListBoxModel::Outcome;
using keys::Extended;

const std::vector<std::string> WIDTHS = {" 432", " 504", " 576", " 648", " 720",
                                         " 792", " 864", " 936", "1008", "1080"};

void Type(ListBoxModel& m, const std::string& text) {
  for (char c : text) EXPECT_EQ(m.OnKey(std::string(1, c)), Outcome::Open);
}

TEST(ListBoxModel, StartsOnTheFirstItemAndEnterChoosesItUnchanged) {
  ListBoxModel m(WIDTHS);
  EXPECT_EQ(m.Count(), 10);
  EXPECT_EQ(m.Selected(), 0);
  EXPECT_EQ(m.OnKey("\r"), Outcome::Chosen);
  EXPECT_EQ(m.ChosenText(), " 432");  // the leading blank stays
}

TEST(ListBoxModel, ArrowsMoveAndStopAtTheEnds) {
  ListBoxModel m(WIDTHS);
  m.SetPageRows(4);
  m.OnKey(Extended(keys::SCAN_UP));
  EXPECT_EQ(m.Selected(), 0);
  m.OnKey(Extended(keys::SCAN_DOWN));
  m.OnKey(Extended(keys::SCAN_DOWN));
  EXPECT_EQ(m.ChosenText(), " 576");
  for (int i = 0; i < 20; ++i) m.OnKey(Extended(keys::SCAN_DOWN));
  EXPECT_EQ(m.Selected(), 9);
  EXPECT_EQ(m.Top(), 6);  // the last four rows in view
  // Left and right do not move a list.
  m.OnKey(Extended(keys::SCAN_LEFT));
  m.OnKey(Extended(keys::SCAN_RIGHT));
  EXPECT_EQ(m.Selected(), 9);
}

TEST(ListBoxModel, PagesHomeAndEnd) {
  ListBoxModel m(WIDTHS);
  m.SetPageRows(4);
  m.OnKey(Extended(keys::SCAN_PGDN));
  EXPECT_EQ(m.Selected(), 4);
  EXPECT_EQ(m.Top(), 1);
  m.OnKey(Extended(keys::SCAN_PGDN));
  m.OnKey(Extended(keys::SCAN_PGDN));
  EXPECT_EQ(m.Selected(), 9);
  m.OnKey(Extended(keys::SCAN_PGUP));
  EXPECT_EQ(m.Selected(), 5);
  EXPECT_EQ(m.Top(), 5);
  m.OnKey(Extended(keys::SCAN_HOME));
  EXPECT_EQ(m.Selected(), 0);
  EXPECT_EQ(m.Top(), 0);
  m.OnKey(Extended(keys::SCAN_END));
  EXPECT_EQ(m.ChosenText(), "1080");
}

TEST(ListBoxModel, EscapeCancelsAndOtherKeysKeepTheBoxOpen) {
  ListBoxModel m(WIDTHS);
  EXPECT_EQ(m.OnKey("\t"), Outcome::Open);
  EXPECT_EQ(m.OnKey(keys::MousePress(1)), Outcome::Open);
  EXPECT_EQ(m.OnKey(Extended(keys::SCAN_F1)), Outcome::Open);
  EXPECT_EQ(m.OnKey("\x1b"), Outcome::Cancelled);
}

TEST(ListBoxModel, TrailingEmptySlotsAreNotShown) {
  const auto names = test::CatalogueNames(3, 25001);
  ListBoxModel m(names);
  EXPECT_EQ(m.Count(), 3);
  m.OnKey(Extended(keys::SCAN_END));
  EXPECT_EQ(m.ChosenText(), "(3) Dia");
  // An empty name among the bodies stays in the list.
  std::vector<std::string> gap = {"(1) A", "", "(3) C", "", ""};
  EXPECT_EQ(ListBoxModel(gap).Count(), 3);
}

TEST(ListBoxModel, AnEmptyListChoosesNothing) {
  const std::vector<std::string> empty(25001);
  ListBoxModel m(empty);
  EXPECT_EQ(m.Count(), 0);
  EXPECT_EQ(m.Selected(), -1);
  m.OnKey(Extended(keys::SCAN_DOWN));
  Type(m, "x");
  EXPECT_EQ(m.OnKey("\r"), Outcome::Chosen);
  EXPECT_EQ(m.ChosenText(), "");
  EXPECT_EQ(ListBoxModel(std::vector<std::string>{}).Count(), 0);
}

TEST(ListBoxModel, TypingFindsTheNameAmong25000) {
  const auto names = test::CatalogueNames(25000, 25001);
  ListBoxModel m(names);
  m.SetPageRows(60);
  const std::string wanted = test::NameFor(17345);
  Type(m, test::WordFor(17345));
  EXPECT_EQ(m.ChosenText(), wanted);
  EXPECT_EQ(m.Selected(), 17344);
  EXPECT_LE(m.Top(), 17344);
  EXPECT_GT(m.Top() + m.PageRows(), 17344);  // scrolled into view
  EXPECT_FALSE(m.SearchFailed());
  EXPECT_EQ(m.OnKey("\r"), Outcome::Chosen);
}

TEST(ListBoxModel, SearchPrefersStartThenWordThenAnywhere) {
  const std::vector<std::string> names = {"(10) Xeros", "(20) Aero", "(433) Eros",
                                          " Erosion", "(7) Hebe"};
  // "eros": item 3 starts with it (after its blank), though items 0 and 2 hold it earlier.
  EXPECT_EQ(FindBestMatch(names, 5, "eros"), 3);
  // "ero": a word start ("Eros" in item 2) beats a mere substring (items 0 and 1).
  EXPECT_EQ(FindBestMatch(names, 3, "ero"), 2);
  // "(4": the start of item 2.
  EXPECT_EQ(FindBestMatch(names, 5, "(4"), 2);
  // "433": a word inside item 2.
  EXPECT_EQ(FindBestMatch(names, 5, "433"), 2);
  // "ebe": only inside a word.
  EXPECT_EQ(FindBestMatch(names, 5, "ebe"), 4);
  EXPECT_EQ(FindBestMatch(names, 5, "zzz"), -1);
  EXPECT_EQ(FindBestMatch(names, 5, ""), -1);
  EXPECT_EQ(FindBestMatch(names, 5, "   "), -1);
  // Only the first `count` items are searched.
  EXPECT_EQ(FindBestMatch(names, 4, "hebe"), -1);
}

TEST(ListBoxModel, SearchIgnoresLetterCaseIncludingAccentedLetters) {
  const std::vector<std::string> names = {"(1) Alpha", "(2) \xC9RIKA", "(3) \x8A" "arka"};
  EXPECT_EQ(FindBestMatch(names, 3, "\xE9rika"), 1);  // é finds É
  EXPECT_EQ(FindBestMatch(names, 3, "\x9A" "ARKA"), 2);  // š finds Š
  EXPECT_EQ(FindBestMatch(names, 3, "ALPHA"), 0);
}

TEST(ListBoxModel, WidthListFindsByLeadingDigits) {
  ListBoxModel m(WIDTHS);
  Type(m, "1");
  EXPECT_EQ(m.ChosenText(), "1008");
  Type(m, "08");  // "108" now
  EXPECT_EQ(m.ChosenText(), "1080");
  m.OnKey(Extended(keys::SCAN_HOME));
  Type(m, "7");  // " 720" starts with 7 after its blank
  EXPECT_EQ(m.ChosenText(), " 720");
}

TEST(ListBoxModel, BackspaceEditsTheSearchAndAFailedSearchKeepsTheSelection) {
  const std::vector<std::string> names = {"(1) Ceres", "(2) Pallas", "(3) Juno", "(4) Vesta"};
  ListBoxModel m(names);
  Type(m, "ju");
  EXPECT_EQ(m.Selected(), 2);
  Type(m, "x");
  EXPECT_TRUE(m.SearchFailed());
  EXPECT_EQ(m.Selected(), 2);
  EXPECT_EQ(m.Search(), "jux");
  m.OnKey("\b");
  EXPECT_FALSE(m.SearchFailed());
  EXPECT_EQ(m.Search(), "ju");
  m.OnKey("\b");
  m.OnKey("\b");
  m.OnKey("\b");  // nothing left to erase
  EXPECT_EQ(m.Search(), "");
  Type(m, "v");
  EXPECT_EQ(m.ChosenText(), "(4) Vesta");
  // Moving ends the search: the next letter starts a new one.
  m.OnKey(Extended(keys::SCAN_UP));
  EXPECT_EQ(m.Search(), "");
  Type(m, "p");
  EXPECT_EQ(m.ChosenText(), "(2) Pallas");
}

TEST(ListBoxModel, WheelScrollsTheViewNotTheSelection) {
  const auto names = test::CatalogueNames(100, 100);
  ListBoxModel m(names);
  m.SetPageRows(10);
  m.ScrollBy(3);
  EXPECT_EQ(m.Top(), 3);
  EXPECT_EQ(m.Selected(), 0);
  m.ScrollBy(1000);
  EXPECT_EQ(m.Top(), 90);
  m.ScrollBy(-1000);
  EXPECT_EQ(m.Top(), 0);
  // Selecting an item out of view brings it in.
  m.Select(55);
  EXPECT_EQ(m.Top(), 46);
  m.Select(-4);
  EXPECT_EQ(m.Selected(), 0);
  m.Select(500);
  EXPECT_EQ(m.Selected(), 99);
}

TEST(ListBoxModel, PageLargerThanTheListKeepsTopAtZero) {
  ListBoxModel m(WIDTHS);
  m.SetPageRows(40);
  m.OnKey(Extended(keys::SCAN_END));
  EXPECT_EQ(m.Top(), 0);
  m.ScrollBy(5);
  EXPECT_EQ(m.Top(), 0);
  m.SetPageRows(0);  // at least one row
  EXPECT_EQ(m.PageRows(), 1);
}

}  // namespace
}  // namespace moid::sdl
