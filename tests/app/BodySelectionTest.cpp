#include "app/BodySelection.h"

#include <gtest/gtest.h>

#include "AppTestSupport.h"

namespace moid {
namespace {

using apptest::NewState;
using headless::HeadlessPlatform;
using headless::ScriptEvent;

TEST(BodyLabel, ShortNamesAreTheirOwnLabel) {
  EXPECT_EQ(BodyLabel(""), "");
  EXPECT_EQ(BodyLabel("Eros"), "Eros");
  EXPECT_EQ(BodyLabel("2020 KQ11"), "2020 KQ11");   // 9 characters
  EXPECT_EQ(BodyLabel("1999 AN10 "), "1999 AN10 ");  // exactly 10: untouched
  EXPECT_EQ(BodyLabel("(433) Eros"), "(433) Eros");  // exactly 10 with a number
}

TEST(BodyLabel, LongNamesDropTheirFirstSixCharacters) {
  EXPECT_EQ(BodyLabel("(1036) Ganymed"), "Ganymed");
  EXPECT_EQ(BodyLabel("(1234) Aardvark"), "Aardvark");  // 15 chars, the 7th a blank
  EXPECT_EQ(BodyLabel("2004 MN4 Apophis"), "N4 Apophis");  // no bracket: the plain cut
  EXPECT_EQ(BodyLabel("ABCDEFGHIJK"), "GHIJK");
  EXPECT_EQ(BodyLabel("ABCDE      xyz"), "xyz");           // blanks after the cut trimmed
}

TEST(BodyLabel, BracketedNumbersOfAnyLengthAreDropped) {
  EXPECT_EQ(BodyLabel("(99942) Apophis"), "Apophis");
  EXPECT_EQ(BodyLabel("(136199) Eris"), "Eris");
  EXPECT_EQ(BodyLabel("(1) Ceres Ferdinandea"), "Ceres Ferdinandea");
  EXPECT_EQ(BodyLabel("(2)   Pallas  x"), "Pallas  x");
}

TEST(BodyLabel, AlmostBracketedNamesKeepThePlainCut) {
  EXPECT_EQ(BodyLabel("() Nameless one"), "eless one");     // no digits in the brackets
  EXPECT_EQ(BodyLabel("(12a) Something"), "Something");     // the plain cut happens to agree
  EXPECT_EQ(BodyLabel("(99942)Apophis"), ")Apophis");        // no blank: the plain cut
  EXPECT_EQ(BodyLabel("(99942 Apophis"), "Apophis");         // no closing bracket: plain cut
  EXPECT_EQ(BodyLabel("(1234567)Apophis"), "67)Apophis");
}

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("    "), "");
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");  // tabs are not blanks
  EXPECT_EQ(TrimBlanks("\xB0 x \xB0"), "\xB0 x \xB0");
}

// A catalogue held in memory: the bodies get distinct semi-major axes so that the chosen
// record can be told apart.
void FillCatalog(AppState& state, const std::vector<std::string>& names) {
  state.catalog = BodyCatalog{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    ElementRecord& r = state.catalog.bodies[i];
    r.name = names[i];
    r.semiMajorAxis = 1.0 + static_cast<double>(i);
    r.eccentricity = 0.1;
  }
  state.catalog.lastIndex = static_cast<int>(names.size()) - 1;
}

struct Chosen {
  std::unique_ptr<AppState> state = NewState();
  HeadlessPlatform platform;
};

void Choose(Chosen& c, const std::string& answer) {
  c.platform.Push(ScriptEvent::ListAnswer(answer));
  Platform p = c.platform.AsPlatform();
  ChooseBody(p, *c.state);
}

TEST(ChooseBody, ShowsEverySlotUnderItsPromptAndTitle) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "(1036) Ganymed  "});
  Choose(c, "(433) Eros");
  ASSERT_EQ(c.platform.ListsShown().size(), 1u);
  const auto& list = c.platform.ListsShown()[0];
  EXPECT_EQ(list.prompt, "Please select one Asteroid");
  EXPECT_EQ(list.title, "Body Selection");
  ASSERT_EQ(list.items.size(), static_cast<std::size_t>(CATALOG_LAST_INDEX + 1));
  EXPECT_EQ(list.items[0], "(433) Eros");
  EXPECT_EQ(list.items[1], "(1036) Ganymed  ");
  EXPECT_EQ(list.items[2], "");
  EXPECT_EQ(list.items.back(), "");
}

TEST(ChooseBody, PicksTheMatchingSlot) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "(1036) Ganymed", "(99942) Apophis"});
  Choose(c, "(99942) Apophis");
  EXPECT_EQ(c.state->selectedIndex, 2);
  EXPECT_EQ(c.state->selectedName, "(99942) Apophis");
  EXPECT_EQ(c.state->bodyLabel, "Apophis");
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 3.0);
  EXPECT_EQ(c.state->currentBody.name, "(99942) Apophis");
}

TEST(ChooseBody, DuplicateNamesSelectTheLowerIndex) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "Twin body name", "(1036) Ganymed", "Twin body name"});
  Choose(c, "Twin body name");
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 2.0);
}

void ChooseRow(Chosen& c, int row) {
  c.platform.Push(ScriptEvent::ListRow(row));
  Platform p = c.platform.AsPlatform();
  ChooseBody(p, *c.state);
}

TEST(ChooseBody, TheRowPickedIsTheBodyTaken) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "Twin body name", "(1036) Ganymed", "Twin body name"});
  ChooseRow(c, 3);  // the second of the two bodies of that name
  EXPECT_EQ(c.state->selectedIndex, 3);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 4.0);
  EXPECT_EQ(c.state->selectedName, "Twin body name");
  ChooseRow(c, 1);  // and the first one again
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 2.0);
}

TEST(ChooseBody, ABodyWithAnEmptyNameIsTakenByItsRow) {
  Chosen c;
  FillCatalog(*c.state, {"", "(433) Eros", "", "(1036) Ganymed"});
  ChooseRow(c, 2);
  EXPECT_EQ(c.state->selectedIndex, 2);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 3.0);
  EXPECT_EQ(c.state->selectedName, "");
  EXPECT_EQ(c.state->bodyLabel, "");
  ChooseRow(c, 0);
  EXPECT_EQ(c.state->selectedIndex, 0);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 1.0);
}

TEST(ChooseBody, DismissalTakesSlotOneEvenWhenSlotZeroHasItsName) {
  Chosen c;
  FillCatalog(*c.state, {"Twin body name", "Twin body name", "(1036) Ganymed"});
  Choose(c, "");
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 2.0);
  EXPECT_EQ(c.state->selectedName, "Twin body name");
}

TEST(ChooseBody, AnEmptyRowAfterTheLastBodyCountsAsNothingChosen) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "(1036) Ganymed", "(99942) Apophis"});
  ChooseRow(c, 7);  // an unfilled slot: "" comes back, as from a dismissal
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->selectedName, "(1036) Ganymed");
}

TEST(ChooseBody, DismissalTakesTheSecondBodyOfTheFile) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "(1036) Ganymed", "(99942) Apophis"});
  Choose(c, "");
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->selectedName, "(1036) Ganymed");
  EXPECT_EQ(c.state->bodyLabel, "Ganymed");
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 2.0);
}

TEST(ChooseBody, TrailingBlanksAreMatchedButNotShown) {
  Chosen c;
  FillCatalog(*c.state, {"Eros      ", "Eros", "(136199) Eris   "});
  Choose(c, "(136199) Eris   ");
  EXPECT_EQ(c.state->selectedIndex, 2);
  EXPECT_EQ(c.state->selectedName, "(136199) Eris");
  EXPECT_EQ(c.state->bodyLabel, "Eris");
  EXPECT_EQ(c.state->currentBody.name, "(136199) Eris   ");

  Choose(c, "Eros");  // the blank-padded slot 0 is a different name
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->selectedName, "Eros");
}

TEST(ChooseBody, OneBodyCatalogueDismissedKeepsSlotZero) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros"});
  Choose(c, "");
  EXPECT_EQ(c.state->selectedIndex, 0);
  EXPECT_EQ(c.state->selectedName, "");
  EXPECT_EQ(c.state->bodyLabel, "");
  EXPECT_EQ(c.state->currentBody.name, "(433) Eros");
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 1.0);
}

TEST(ChooseBody, UnmatchedAnswerKeepsThePreviousIndex) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros", "(1036) Ganymed", "(99942) Apophis"});
  Choose(c, "(99942) Apophis");
  Choose(c, "  (99999) Nobody at all ");
  EXPECT_EQ(c.state->selectedIndex, 2);
  EXPECT_EQ(c.state->selectedName, "(99999) Nobody at all");
  EXPECT_EQ(c.state->bodyLabel, "Nobody at all");
  EXPECT_EQ(c.state->currentBody.name, "(99942) Apophis");
}

TEST(ChooseBody, EmptySlotsAfterTheLastBodyAreNotMatched) {
  Chosen c;
  FillCatalog(*c.state, {"(433) Eros"});
  Choose(c, "");  // one body: slot 1 is empty, and "" is no name in 0..lastIndex
  EXPECT_EQ(c.state->selectedIndex, 0);
  FillCatalog(*c.state, {"(433) Eros", "", "(1036) Ganymed"});
  Choose(c, "(1036) Ganymed");
  Choose(c, "");  // the second body has an empty name: it is found as such
  EXPECT_EQ(c.state->selectedIndex, 1);
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 2.0);
}

TEST(ChooseBody, EmptyCatalogueLeavesAZeroRecord) {
  Chosen c;
  FillCatalog(*c.state, {});
  Choose(c, "");
  EXPECT_EQ(c.state->selectedIndex, 0);
  EXPECT_EQ(c.state->selectedName, "");
  EXPECT_EQ(c.state->currentBody.semiMajorAxis, 0.0);
  EXPECT_EQ(c.state->currentBody.name, "");
}

TEST(FindBodyIndex, LooksOnlyUpToTheLastIndex) {
  auto state = NewState();
  FillCatalog(*state, {"A", "B"});
  state->catalog.bodies[5].name = "C";  // beyond lastIndex: never offered as a match
  EXPECT_EQ(FindBodyIndex(state->catalog, "B"), 1);
  EXPECT_EQ(FindBodyIndex(state->catalog, "C"), -1);
  EXPECT_EQ(FindBodyIndex(state->catalog, "b"), -1);
}

}  // namespace
}  // namespace moid
