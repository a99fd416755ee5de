#include "monkey/MonkeyConsole.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "platform/Keys.h"

namespace moid::monkey {
namespace {

using headless::ScriptEvent;

constexpr std::size_t RECENT_KEPT = 40;
constexpr int LOG_FLUSH_EVERY = 256;
constexpr int READS_AFTER_END_LIMIT = 100000;

// Keys the two graphic screens act on, drawn more often than the rest of the keyboard.
const std::string COMMAND_KEYS = "+-<>#MmPpBb ";
const std::string OTHER_KEYS =
    "ACDEFGHIJKLNOQRSTUVWXYZacdefghijklnoqrstuvwxyz0123456789.,;:!?*/=_()[]'\"\\~@$%&"
    "\x08\x09\x01\x7f\xb0\xe9\xff";
const unsigned char KNOWN_SCANS[] = {
    keys::SCAN_UP,     keys::SCAN_DOWN,   keys::SCAN_LEFT,   keys::SCAN_RIGHT,  keys::SCAN_UP,
    keys::SCAN_DOWN,   keys::SCAN_LEFT,   keys::SCAN_RIGHT,  keys::SCAN_HOME,   keys::SCAN_END,
    keys::SCAN_PGUP,   keys::SCAN_PGDN,   keys::SCAN_INSERT, keys::SCAN_DELETE, keys::SCAN_F1,
    keys::SCAN_F1 + 1, keys::SCAN_F1 + 4, keys::SCAN_F1 + 9, keys::SCAN_F11,    keys::SCAN_F12};

const char* const JUNK_ANSWERS[] = {
    "abc",   "0",   " 0",    "-72",   "  ",    "99999999999999999999",
    " 43 2", "1e3", "72",    "144",   "1080 ", "\xb0",
    "+432",  "-0",  " 4321", "0x1B0", "\t504"};

std::string Hex(const std::string& bytes) {
  std::string out;
  char b[4];
  for (unsigned char c : bytes) {
    if (c >= 0x21 && c < 0x7f && c != '\\') {
      out += static_cast<char>(c);
    } else {
      std::snprintf(b, sizeof b, "\\%02x", c);
      out += b;
    }
  }
  return out;
}

std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

void Tally::Add(const Tally& o) {
  widthLists += o.widthLists;
  bodyLists += o.bodyLists;
  mapEntries += o.mapEntries;
  helpBoxes += o.helpBoxes;
  animationFrames += o.animationFrames;
  mapToBodyList += o.mapToBodyList;
}

Tally CountScreens(const std::vector<std::string>& log) {
  Tally t;
  for (const std::string& call : log) {
    if (call == "ConsoleListBox(\"Window Selection\")") ++t.widthLists;
    if (call == "ConsoleListBox(\"Body Selection\")") ++t.bodyLists;
    if (call == "SaveGfxWindow(\"Orbdis.bmp\")") ++t.mapEntries;
    if (call == "ConsoleMessageBox(\"Available Commands\")") ++t.helpBoxes;
    if (call.rfind("GfxFont(\"Courier\"", 0) == 0) ++t.animationFrames;
    if (call == "SetMouseInput(0)") ++t.mapToBodyList;
  }
  return t;
}

MonkeyConsole::MonkeyConsole(headless::HeadlessPlatform& inner, std::mt19937_64& rng, int budget,
                             const int& windowWidth, std::atomic<std::int64_t>& progress)
    : inner_(inner), rng_(rng), budget_(budget), windowWidth_(windowWidth), progress_(progress) {}

std::string MonkeyConsole::RecentEvents() const {
  std::string out;
  for (const std::string& e : recent_) out += e + " ";
  return out;
}

void MonkeyConsole::FlushLog() {
  seen_.Add(CountScreens(inner_.CallLog()));
  inner_.ClearLog();
}

int MonkeyConsole::Uniform(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng_);
}

bool MonkeyConsole::Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

bool MonkeyConsole::Spend() {
  if (fed_ % LOG_FLUSH_EVERY == 0) FlushLog();
  if (fed_ < budget_) return true;
  // The input has ended, which the program sees as a closed window: it must leave soon.
  if (++readsAfterEnd_ > READS_AFTER_END_LIMIT) {
    throw std::runtime_error("the program went on reading input " +
                             std::to_string(READS_AFTER_END_LIMIT) +
                             " times after the window was closed: hang");
  }
  return false;
}

void MonkeyConsole::Feed(ScriptEvent e, std::string description) {
  ++fed_;
  progress_.fetch_add(1, std::memory_order_relaxed);
  inner_.Push(std::move(e));
  recent_.push_back(std::move(description));
  if (recent_.size() > RECENT_KEPT) recent_.pop_front();
}

ScriptEvent MonkeyConsole::RandomKey(std::string& description) {
  std::string key;
  const int kind = Uniform(0, 99);
  if (kind < 38) {
    key = keys::Ordinary(COMMAND_KEYS[Uniform(0, static_cast<int>(COMMAND_KEYS.size()) - 1)]);
  } else if (kind < 61) {
    key = keys::Ordinary(OTHER_KEYS[Uniform(0, static_cast<int>(OTHER_KEYS.size()) - 1)]);
  } else if (kind < 64) {
    key = keys::Ordinary(keys::ENTER);
  } else if (kind < 87) {
    key = keys::Extended(KNOWN_SCANS[Uniform(0, static_cast<int>(std::size(KNOWN_SCANS)) - 1)]);
  } else if (kind < 90) {
    key = keys::Extended(static_cast<unsigned char>(Uniform(0, 255)));
  } else if (kind < 96) {
    key = keys::MousePress(Uniform(0, 1) == 0 ? keys::MOUSE_LEFT : keys::MOUSE_RIGHT);
  } else if (kind < 98) {
    key = keys::MousePress(Uniform(3, 5));  // a button the screens do not use
  } else {
    key = std::string{'\xff', '\xff', static_cast<char>(Uniform(1, 3)), '\x01'};  // not a press
  }
  description = "key:" + Hex(key);
  return ScriptEvent::Key(key);
}

// Mostly over the map of the current width, sometimes on its frame or well off it.
ScriptEvent MonkeyConsole::RandomPointer(std::string& description) {
  const int W = std::max(72, windowWidth_);
  int x = 0, y = 0;
  const int kind = Uniform(0, 9);
  if (kind < 7) {
    x = Uniform(34, 34 + W - 1);
    y = Uniform(27, 26 + W);
  } else if (kind < 9) {
    x = Uniform(30, 38 + W);
    y = Uniform(23, 30 + W);
  } else {
    x = Uniform(-1000000, 1000000);
    y = Uniform(-1000000, 1000000);
  }
  description = "ptr:" + std::to_string(x) + "," + std::to_string(y);
  return ScriptEvent::Pointer(x, y);
}

std::string MonkeyConsole::RandomJunk() {
  if (Chance(0.7)) return JUNK_ANSWERS[Uniform(0, static_cast<int>(std::size(JUNK_ANSWERS)) - 1)];
  std::string junk(static_cast<std::size_t>(Uniform(1, 12)), ' ');
  for (char& c : junk) c = static_cast<char>(Uniform(1, 255));
  return junk;
}

std::string MonkeyConsole::RandomWidthAnswer(const std::vector<std::string>& items) {
  const int kind = Uniform(0, 99);
  if (kind < 3 || items.empty()) return "";
  // Mostly the smallest width: every larger one costs the fit loop a pass per step down.
  if (kind < 60) return items.front();
  if (kind < 85) {
    return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
  }
  return RandomJunk();
}

ScriptEvent MonkeyConsole::RandomBodyAnswer(const std::vector<std::string>& items,
                                            std::string& description) {
  // The filled part of the list: up to the last name that is not empty.
  int filled = static_cast<int>(items.size());
  while (filled > 0 && items[static_cast<std::size_t>(filled) - 1].empty()) --filled;
  const int kind = Uniform(0, 99);
  if (kind < 35) {  // a row, now and then one past the names
    const int row = Uniform(0, filled + 1);
    description = "row:" + std::to_string(row);
    return ScriptEvent::ListRow(row);
  }
  std::string answer;
  if (kind < 70 && filled > 0) {
    answer = items[static_cast<std::size_t>(Uniform(0, filled - 1))];
  } else if (kind < 80) {
    answer = "";
  } else if (kind < 85 && filled > 0) {
    answer = UpperAscii(items[static_cast<std::size_t>(Uniform(0, filled - 1))]);
  } else {
    answer = RandomJunk();
  }
  description = "answer:\"" + Hex(answer) + "\"";
  return ScriptEvent::ListAnswer(answer);
}

void MonkeyConsole::FeedPollEvent() {
  std::string description;
  const int kind = Uniform(0, 9999);
  if (kind < 7) {
    Feed(ScriptEvent::Key(keys::Ordinary(keys::ESC)), "key:Esc");
  } else if (kind < 5500) {
    ScriptEvent e = RandomKey(description);
    Feed(std::move(e), description);
  } else if (kind < 7800) {
    ScriptEvent e = RandomPointer(description);
    Feed(std::move(e), description);
  } else if (kind < 9900) {
    const int polls = Chance(0.9) ? 1 : Uniform(2, 6);
    Feed(ScriptEvent::Idle(polls), "idle:" + std::to_string(polls));
  } else {
    // A list answer where no list is shown: the read takes it and sees no key.
    Feed(ScriptEvent::ListAnswer(RandomJunk()), "stray-answer");
  }
}

// --- Reads: each is preceded by one random event while the budget lasts ---------------

std::string MonkeyConsole::ReadKey() {
  if (Spend()) FeedPollEvent();
  return inner_.ReadKey();
}

// Mostly a key; sometimes a pause and then no key at all (the window closed instead).
void MonkeyConsole::WaitForKey() {
  if (Spend()) {
    if (Chance(0.15)) {
      const int polls = Uniform(1, 3);
      Feed(ScriptEvent::Idle(polls), "idle:" + std::to_string(polls));
    } else {
      std::string description;
      ScriptEvent e = RandomKey(description);
      Feed(std::move(e), description);
    }
  }
  inner_.WaitForKey();
}

std::string MonkeyConsole::ConsoleListBox(int a, int b, int c, const std::string& prompt,
                                          const std::string& title,
                                          const std::vector<std::string>& items, int g, int h,
                                          int i, int* chosenRow) {
  if (title == "Window Selection" && beforeWidthList_) beforeWidthList_();
  if (Spend()) {
    if (title == "Window Selection") {
      const std::string answer = RandomWidthAnswer(items);
      Feed(ScriptEvent::ListAnswer(answer), "answer:\"" + Hex(answer) + "\"");
    } else {
      std::string description;
      ScriptEvent answer = RandomBodyAnswer(items, description);
      Feed(std::move(answer), description);
    }
  }
  return inner_.ConsoleListBox(a, b, c, prompt, title, items, g, h, i, chosenRow);
}

// --- Everything else goes straight to the headless backend --------------------------

int MonkeyConsole::InitConsoleTools(int a, int b, int c, int d, std::int32_t& ref, int f) {
  return inner_.InitConsoleTools(a, b, c, d, ref, f);
}
void MonkeyConsole::ConsoleWindow(int mode) { inner_.ConsoleWindow(mode); }
void MonkeyConsole::ConsoleGfx(int a, int b, int c, int d) { inner_.ConsoleGfx(a, b, c, d); }
void MonkeyConsole::ConsoleNormal() { inner_.ConsoleNormal(); }
int MonkeyConsole::ConsoleMetrics(int item) { return inner_.ConsoleMetrics(item); }
int MonkeyConsole::ConsoleInfo(int item) { return inner_.ConsoleInfo(item); }
void MonkeyConsole::ConsoleMessageBox(const std::string& text, int b, const std::string& title,
                                      int d, int e) {
  inner_.ConsoleMessageBox(text, b, title, d, e);
}
void MonkeyConsole::SetConsoleSize(int cols, int rows) { inner_.SetConsoleSize(cols, rows); }
void MonkeyConsole::SetTextCursorVisible(bool visible) { inner_.SetTextCursorVisible(visible); }
void MonkeyConsole::ClearText() { inner_.ClearText(); }
void MonkeyConsole::WriteLine(const std::string& text) { inner_.WriteLine(text); }
void MonkeyConsole::DiscardInput() { inner_.DiscardInput(); }
void MonkeyConsole::SetMouseInput(bool on) { inner_.SetMouseInput(on); }
void MonkeyConsole::Sleep(int milliseconds) { inner_.Sleep(milliseconds); }
bool MonkeyConsole::QuitRequested() const { return inner_.QuitRequested(); }
void MonkeyConsole::PresetListSelection(int index) { inner_.PresetListSelection(index); }
int MonkeyConsole::RefreshRate() { return inner_.RefreshRate(); }
std::int64_t MonkeyConsole::ClockMicros() { return inner_.ClockMicros(); }
void MonkeyConsole::SetWindowTitle(const std::string& utf8) { inner_.SetWindowTitle(utf8); }
void MonkeyConsole::WriteErrorLine(const std::string& utf8) { inner_.WriteErrorLine(utf8); }

}  // namespace moid::monkey
