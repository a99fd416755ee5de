#include <gtest/gtest.h>

#include "tools/BodySelector.h"

namespace moid::tools {
namespace {

BodyCatalog Catalog(const std::vector<std::string>& names) {
  BodyCatalog c;
  c.lastIndex = static_cast<int>(names.size()) - 1;
  for (size_t i = 0; i < names.size(); ++i) c.bodies[i].name = names[i];
  return c;
}

TEST(BodySelector, SlotNumbers) {
  const BodyCatalog c = Catalog({"(1) Ceres", "(2) Pallas", "(4) Vesta"});
  EXPECT_EQ(SelectBody(c, "0").index, 0);
  EXPECT_EQ(SelectBody(c, "2").index, 2);
  EXPECT_EQ(SelectBody(c, "002").index, 2);
  const BodySelection out = SelectBody(c, "3");
  EXPECT_EQ(out.index, -1);
  EXPECT_NE(out.error.find("slot 3"), std::string::npos) << out.error;
  EXPECT_NE(out.error.find("0 to 2"), std::string::npos) << out.error;
  EXPECT_EQ(SelectBody(c, "99999999999").index, -1);  // not a slot and matches no name
}

TEST(BodySelector, ExactTrimmedNameComesFirst) {
  const BodyCatalog c = Catalog({"Monterosa  ", "  Eros ", "(433) Eros", "Erosion"});
  EXPECT_EQ(SelectBody(c, "Eros").index, 1);  // the one exact match after trimming
  EXPECT_EQ(SelectBody(c, " Eros  ").index, 1);
  EXPECT_EQ(SelectBody(c, "(433) Eros").index, 2);
  EXPECT_EQ(SelectBody(c, "Monterosa").index, 0);
}

TEST(BodySelector, ANameOfSeveralBodiesIsAmbiguous) {
  const BodyCatalog c = Catalog({"Monterosa  ", "(433) Eros", "(1) Ceres", " (433) Eros"});
  const BodySelection s = SelectBody(c, "(433) Eros");
  EXPECT_EQ(s.index, -1);
  EXPECT_TRUE(s.ambiguous);
  EXPECT_EQ(s.error,
            "\"(433) Eros\" names 2 bodies; say which:\n  1\t(433) Eros\n  3\t(433) Eros");
  EXPECT_EQ(SelectBody(c, "3").index, 3);  // a slot number still picks either
  EXPECT_EQ(SelectBody(c, "1").index, 1);
  EXPECT_FALSE(SelectBody(c, "Ceres").ambiguous);
  EXPECT_FALSE(SelectBody(c, "Vesta").ambiguous);  // no match is no ambiguity
}

TEST(BodySelector, UniqueSubstringWithoutRegardToCase) {
  const BodyCatalog c = Catalog({"(1) Ceres", "(2) Pallas", "(433) Eros", "(4) Vesta"});
  EXPECT_EQ(SelectBody(c, "ceres").index, 0);
  EXPECT_EQ(SelectBody(c, "PALL").index, 1);
  EXPECT_EQ(SelectBody(c, "(433)").index, 2);
  EXPECT_EQ(SelectBody(c, "vESTa").index, 3);
}

TEST(BodySelector, AmbiguousNamesListTheCandidates) {
  const BodyCatalog c = Catalog({"(1) Ceres", "(433) Eros", "(947) Monterosa"});
  const BodySelection s = SelectBody(c, "eros");
  EXPECT_EQ(s.index, -1);
  EXPECT_EQ(s.error, "\"eros\" names 2 bodies; say which:\n  1\t(433) Eros\n  2\t(947) Monterosa");
  EXPECT_TRUE(s.ambiguous);
}

TEST(BodySelector, LongCandidateListsAreCut) {
  std::vector<std::string> names;
  for (int i = 0; i < 20; ++i) names.push_back("Body " + std::to_string(i));
  const BodySelection s = SelectBody(Catalog(names), "body");
  EXPECT_EQ(s.index, -1);
  EXPECT_NE(s.error.find("names 20 bodies"), std::string::npos);
  EXPECT_NE(s.error.find("  11\tBody 11"), std::string::npos);
  EXPECT_EQ(s.error.find("  12\tBody 12"), std::string::npos);
  EXPECT_NE(s.error.find("... and 8 more"), std::string::npos) << s.error;
}

TEST(BodySelector, UnknownNamesSuggestNamesThatBeginAlike) {
  const BodyCatalog c = Catalog({"Apollo", "Apophis", "Aten", "Ceres"});
  BodySelection s = SelectBody(c, "Apoxx");
  EXPECT_EQ(s.index, -1);
  EXPECT_EQ(s.error,
            "no body is named \"Apoxx\"; names that begin alike:\n  0\tApollo\n  1\tApophis");
  s = SelectBody(c, "zzz");
  EXPECT_EQ(s.error, "no body is named \"zzz\"");
  EXPECT_EQ(SelectBody(c, "   ").index, -1);
}

TEST(BodySelector, NamesAreComparedAsUtf8) {
  const BodyCatalog c = Catalog({"Bj\xF6rnstad", "Other"});  // Windows-1252 o with umlaut
  EXPECT_EQ(SelectBody(c, "Bj\xC3\xB6rnstad").index, 0);
  EXPECT_EQ(SelectBody(c, "j\xC3\xB6rn").index, 0);
  EXPECT_EQ(SelectBody(c, "Bj\xF6rnstad").index, -1);  // raw code-page bytes are not UTF-8
}

TEST(BodySelector, EmptyCatalogue) {
  const BodySelection s = SelectBody(Catalog({}), "0");
  EXPECT_EQ(s.index, -1);
  EXPECT_EQ(s.error, "the catalogue holds no bodies");
}

}  // namespace
}  // namespace moid::tools
