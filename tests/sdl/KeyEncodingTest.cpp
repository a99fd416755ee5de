#include "platform/sdl/KeyEncoding.h"

#include <gtest/gtest.h>

#include "SdlEvents.h"
#include "platform/Keys.h"

namespace moid::sdl {
namespace {

using test::KeyDown;
using test::KeyUp;
using test::MouseDown;
using test::TextInput;
using Keys = std::vector<std::string>;

std::string Ext(int scan) { return std::string{'\0', static_cast<char>(scan)}; }

TEST(KeyEncoding, OrdinaryControlKeysComeFromKeyDown) {
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_RETURN), false), Keys{"\r"});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_ENTER), false), Keys{std::string(1, 13)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_ESCAPE), false), Keys{std::string(1, 27)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_BACKSPACE), false), Keys{std::string(1, 8)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_TAB), false), Keys{std::string(1, 9)});
}

TEST(KeyEncoding, NavigationKeysAreNulAndPcScanCode) {
  const std::pair<SDL_Keycode, int> table[] = {
      {SDLK_UP, 0x48},     {SDLK_DOWN, 0x50},   {SDLK_LEFT, 0x4B},   {SDLK_RIGHT, 0x4D},
      {SDLK_HOME, 0x47},   {SDLK_END, 0x4F},    {SDLK_PAGEUP, 0x49}, {SDLK_PAGEDOWN, 0x51},
      {SDLK_INSERT, 0x52}, {SDLK_DELETE, 0x53},
  };
  for (const auto& [sym, scan] : table) {
    const Keys got = KeysFromEvent(KeyDown(sym), false);
    ASSERT_EQ(got.size(), 1u) << SDL_GetKeyName(sym);
    EXPECT_EQ(got[0], Ext(scan)) << SDL_GetKeyName(sym);
    EXPECT_TRUE(keys::IsExtended(got[0]));
  }
}

TEST(KeyEncoding, FunctionKeysF1ToF10ThenF11AndF12) {
  const SDL_Keycode f[] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5, SDLK_F6,
                           SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
  const int scan[] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x85, 0x86};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(KeysFromEvent(KeyDown(f[i]), false), Keys{Ext(scan[i])}) << "F" << i + 1;
  }
}

TEST(KeyEncoding, KeypadNavigatesOnlyWithNumLockOff) {
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_8), false), Keys{Ext(0x48)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_2), false), Keys{Ext(0x50)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_7), false), Keys{Ext(0x47)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_3), false), Keys{Ext(0x51)});
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_KP_PERIOD), false), Keys{Ext(0x53)});
  // With Num Lock on the keypad types digits, which arrive as text input.
  EXPECT_TRUE(KeysFromEvent(KeyDown(SDLK_KP_8, KMOD_NUM), false).empty());
}

TEST(KeyEncoding, PrintableCharactersComeFromTextInputOnly) {
  for (const char* c : {"+", "-", "<", ">", "#", " ", "m", "M", "b", "P", "1"}) {
    EXPECT_EQ(KeysFromEvent(TextInput(c), false), Keys{c}) << c;
  }
  // The key-downs SDL also reports for them give nothing, or space would count twice.
  for (SDL_Keycode sym : {SDLK_SPACE, SDLK_m, SDLK_PLUS, SDLK_MINUS, SDLK_HASH, SDLK_1}) {
    EXPECT_TRUE(KeysFromEvent(KeyDown(sym), false).empty()) << SDL_GetKeyName(sym);
  }
}

TEST(KeyEncoding, TextInputBecomesWindows1252Bytes) {
  EXPECT_EQ(KeysFromEvent(TextInput("\xC3\xA9"), false), Keys{"\xE9"});      // é
  EXPECT_EQ(KeysFromEvent(TextInput("\xC2\xB0"), false), Keys{"\xB0"});      // °
  EXPECT_EQ(KeysFromEvent(TextInput("\xE2\x82\xAC"), false), Keys{"\x80"});  // €
  // Several characters in one event (an input method) give one entry each, in order.
  EXPECT_EQ(KeysFromEvent(TextInput("ab"), false), (Keys{"a", "b"}));
  // A character Windows-1252 lacks cannot be a key.
  EXPECT_TRUE(KeysFromEvent(TextInput("\xE4\xB8\xAD"), false).empty());
  // Control characters never come as text.
  EXPECT_TRUE(KeysFromEvent(TextInput("\x7F"), false).empty());
}

TEST(KeyEncoding, ReleasesAndOtherKeysGiveNothing) {
  EXPECT_TRUE(KeysFromEvent(KeyUp(SDLK_RETURN), false).empty());
  EXPECT_TRUE(KeysFromEvent(KeyUp(SDLK_UP), false).empty());
  EXPECT_TRUE(KeysFromEvent(KeyDown(SDLK_LSHIFT), false).empty());
  EXPECT_TRUE(KeysFromEvent(KeyDown(SDLK_CAPSLOCK), false).empty());
  EXPECT_TRUE(KeysFromEvent(test::MouseMove(3, 4), true).empty());
  EXPECT_TRUE(KeysFromEvent(test::Quit(), true).empty());
}

TEST(KeyEncoding, MousePressesAreFourBytesWhileMouseInputIsOn) {
  const Keys left = KeysFromEvent(MouseDown(SDL_BUTTON_LEFT), true);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0], std::string("\xFF\xFF\x04\x01", 4));
  EXPECT_TRUE(keys::IsMousePress(left[0]));
  EXPECT_EQ(KeysFromEvent(MouseDown(SDL_BUTTON_RIGHT), true),
            Keys{std::string("\xFF\xFF\x04\x02", 4)});
  // Middle button, releases and any press while mouse input is off give nothing.
  EXPECT_TRUE(KeysFromEvent(MouseDown(SDL_BUTTON_MIDDLE), true).empty());
  EXPECT_TRUE(KeysFromEvent(test::MouseUp(SDL_BUTTON_LEFT), true).empty());
  EXPECT_TRUE(KeysFromEvent(MouseDown(SDL_BUTTON_LEFT), false).empty());
  EXPECT_TRUE(KeysFromEvent(MouseDown(SDL_BUTTON_RIGHT), false).empty());
}

TEST(KeyEncoding, KeyDownAloneForRepeatedKeys) {
  // A held arrow repeats like a console's.
  EXPECT_EQ(KeysFromEvent(KeyDown(SDLK_DOWN, KMOD_NONE, 1), false), Keys{Ext(0x50)});
  EXPECT_EQ(KeyFromKeyDown(KeyDown(SDLK_a).key.keysym), "");
}

}  // namespace
}  // namespace moid::sdl
