#pragma once
// A console that plays a random user: it wraps the headless backend and, just before every
// read the program makes, feeds it one random event fitting that read (a key, a pointer move,
// an idle poll, a list answer). Once its event budget is spent it feeds nothing more, the
// script runs dry and the program sees the window closed.
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/ConsoleToolkit.h"
#include "platform/headless/HeadlessPlatform.h"

namespace moid::monkey {

// What a run went through, tallied from the call log.
struct Tally {
  int widthLists = 0;
  int bodyLists = 0;
  int mapEntries = 0;
  int helpBoxes = 0;
  int animationFrames = 0;
  int mapToBodyList = 0;

  void Add(const Tally& o);
};

Tally CountScreens(const std::vector<std::string>& log);

// The random user. `progress` counts every event handed to the backend, so that a watchdog
// can tell a busy program from one stuck without reading input. A program that goes on
// polling long after the input ended (a closed window it ignores) makes a read throw.
class MonkeyConsole final : public ConsoleToolkit {
 public:
  // `windowWidth` is the program's current W (pointer moves aim at the map it sizes).
  MonkeyConsole(headless::HeadlessPlatform& inner, std::mt19937_64& rng, int budget,
                const int& windowWidth, std::atomic<std::int64_t>& progress);

  int Fed() const { return fed_; }
  // Called before every width list is answered, while W is still the one of the screens
  // shown since the last width list.
  void BeforeWidthList(std::function<void()> hook) { beforeWidthList_ = std::move(hook); }
  const Tally& Seen() const { return seen_; }
  // The last events fed, oldest first, for a failure message.
  std::string RecentEvents() const;
  // Tallies and drops the call log so far (the log would otherwise grow with every frame).
  void FlushLog();

  int InitConsoleTools(int a, int b, int c, int d, std::int32_t& ref, int f) override;
  void ConsoleWindow(int mode) override;
  void ConsoleGfx(int a, int b, int c, int d) override;
  void ConsoleNormal() override;
  int ConsoleMetrics(int item) override;
  int ConsoleInfo(int item) override;
  std::string ConsoleListBox(int a, int b, int c, const std::string& prompt,
                             const std::string& title, const std::vector<std::string>& items, int g,
                             int h, int i, int* chosenRow) override;
  void PresetListSelection(int index) override;
  void ConsoleMessageBox(const std::string& text, int b, const std::string& title, int d,
                         int e) override;
  void SetConsoleSize(int cols, int rows) override;
  void SetTextCursorVisible(bool visible) override;
  void ClearText() override;
  void WriteLine(const std::string& text) override;
  std::string ReadKey() override;
  void WaitForKey() override;
  void DiscardInput() override;
  void SetMouseInput(bool on) override;
  void Sleep(int milliseconds) override;
  bool QuitRequested() const override;
  int RefreshRate() override;
  std::int64_t ClockMicros() override;
  void SetWindowTitle(const std::string& utf8) override;
  void WriteErrorLine(const std::string& utf8) override;

 private:
  bool Spend();
  void Feed(headless::ScriptEvent e, std::string description);
  void FeedPollEvent();
  headless::ScriptEvent RandomKey(std::string& description);
  headless::ScriptEvent RandomPointer(std::string& description);
  std::string RandomWidthAnswer(const std::vector<std::string>& items);
  // An answer by text (a name, "", a wrong-case name or junk) or by row.
  headless::ScriptEvent RandomBodyAnswer(const std::vector<std::string>& items,
                                         std::string& description);
  std::string RandomJunk();
  int Uniform(int lo, int hi);
  bool Chance(double p);

  headless::HeadlessPlatform& inner_;
  std::mt19937_64& rng_;
  int budget_;
  const int& windowWidth_;
  int fed_ = 0;
  int readsAfterEnd_ = 0;
  std::atomic<std::int64_t>& progress_;
  std::deque<std::string> recent_;
  Tally seen_;
  std::function<void()> beforeWidthList_;
};

}  // namespace moid::monkey
