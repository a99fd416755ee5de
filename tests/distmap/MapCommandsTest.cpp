#include "distmap/MapCommands.h"

#include <gtest/gtest.h>

#include "platform/Keys.h"

namespace moid {
namespace {

TEST(MapCommands, BackByLetterInEitherCaseOrLeftButton) {
  EXPECT_EQ(MapCommandForKey("B"), MapCommand::Back);
  EXPECT_EQ(MapCommandForKey("b"), MapCommand::Back);
  EXPECT_EQ(MapCommandForKey(keys::MousePress(keys::MOUSE_LEFT)), MapCommand::Back);
}

TEST(MapCommands, RightButtonChoosesAnotherBody) {
  EXPECT_EQ(MapCommandForKey(keys::MousePress(keys::MOUSE_RIGHT)), MapCommand::ChooseBody);
}

TEST(MapCommands, EveryExtendedKeyChoosesAnotherWidth) {
  for (unsigned char scan : {keys::SCAN_UP, keys::SCAN_DOWN, keys::SCAN_LEFT, keys::SCAN_RIGHT,
                             keys::SCAN_HOME, keys::SCAN_END, keys::SCAN_PGUP, keys::SCAN_PGDN,
                             keys::SCAN_INSERT, keys::SCAN_DELETE, keys::SCAN_F1,
                             static_cast<unsigned char>(keys::SCAN_F1 + 9), keys::SCAN_F11,
                             keys::SCAN_F12}) {
    EXPECT_EQ(MapCommandForKey(keys::Extended(scan)), MapCommand::ChooseWidth) << int(scan);
  }
  // An extended code that happens to be the letter B's or Esc's byte is still extended.
  EXPECT_EQ(MapCommandForKey(keys::Extended('B')), MapCommand::ChooseWidth);
  EXPECT_EQ(MapCommandForKey(keys::Extended(27)), MapCommand::ChooseWidth);
}

TEST(MapCommands, EscLeavesForTheExit) {
  EXPECT_EQ(MapCommandForKey(std::string(1, keys::ESC)), MapCommand::Exit);
}

TEST(MapCommands, OtherKeysAndMouseEventsAreIgnored) {
  for (const char* k : {"", "a", "c", "x", "M", "P", " ", "\r", "+", "#", "BB", "bb"}) {
    EXPECT_EQ(MapCommandForKey(k), MapCommand::None) << '"' << k << '"';
  }
  EXPECT_EQ(MapCommandForKey(keys::MousePress(3)), MapCommand::None);       // middle button
  EXPECT_EQ(MapCommandForKey(std::string{'\xff', '\xff', '\x02', '\x01'}),  // not a press
            MapCommand::None);
  EXPECT_EQ(MapCommandForKey(std::string{'\xff', '\xff', '\x02', '\x02'}), MapCommand::None);
}

}  // namespace
}  // namespace moid
