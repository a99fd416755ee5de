#pragma once
// Headless backend: the console and graphics toolkits without a window, for tests and for
// moidtool render. Implements: every ConsoleToolkit operation, and a GraphicsToolkit that
// draws into the shared Canvas and logs each call.
//
// Input is a script of events consumed in order:
//  - Key(k): the next ReadKey/WaitForKey returns k (see platform/Keys.h). A mouse press while
//    mouse input is off is consumed and dropped (ReadKey returns "").
//  - Pointer(x, y): moves the pointer over the graphics area; that ReadKey returns "".
//  - Idle(n): the next n ReadKey calls return "".
//  - ListAnswer(text): the next ConsoleListBox returns text, and as its row the first item
//    of that text (-1 for "" or a text no item has: nothing chosen); keys before it are
//    dropped. ListRow(n): the next ConsoleListBox returns item n and row n, as a user who
//    picked that row (a row outside the items chooses nothing). A list answer met by
//    ReadKey is consumed and ReadKey returns "".
// When the script is used up, QuitRequested() becomes true (as if the window were closed),
// ReadKey returns "", ConsoleListBox returns "" and WaitForKey returns: nothing can hang.
// Sleep advances a virtual clock and never waits; ClockMicros reads it, and RefreshRate is
// the configured display rate. "Used up" means a read found nothing left:
// the last key itself is still delivered and acted on before QuitRequested() turns true.
// DiscardInput drops nothing from the script (its events are future input, not pending).
// ConsoleMessageBox is dismissed at once and consumes no event. ConsoleGfx sizes the canvas
// to ConsoleCols()*charWidth x ConsoleRows()*charHeight (left as it is while that is zero).
//
// Call log: one entry per toolkit call, "Name(arg,arg)" with no spaces; integers, colors
// and booleans (1/0) in decimal, texts in double quotes exactly as passed (no escaping), the
// double of GfxFont as a stream prints it (6 digits, "0" for 0.0). For example
// "GfxWindow(2)", "PenColor(255)", "DrawLine(1,2,3,4)", "DrawTextRow(\"F1=Help\",0)",
// "GfxFont(\"Arial\",0,15,1,0,0,0)",
// "SetConsoleSize(80,25)", "SetTextCursorVisible(1)", "SaveGfxWindow(\"Orbits.bmp\")",
// "WriteLine(\"...\")", "Sleep(10)", "InitConsoleTools(0,0,0,3,0,0)", "ClearText()".
// SetWindowTitle logs "SetWindowTitle(\"...\")" only when the title changes, as a window
// redraws its title only then. ConsoleListBox and ConsoleMessageBox log their title only: "ConsoleListBox(\"Window
// Selection\")". Not logged: ReadKey (polled constantly) and DrawPixel (counted instead).
// WriteErrorLine is logged with its text: "WriteErrorLine(\"...\")".
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ConsoleToolkit.h"
#include "platform/Platform.h"

namespace moid::headless {

struct ScriptEvent {
  enum class Kind { Key, Pointer, Idle, ListAnswer, ListRow };
  Kind kind = Kind::Idle;
  std::string text;
  int x = 0, y = 0;
  int count = 0;

  static ScriptEvent Key(std::string k);
  static ScriptEvent Pointer(int x, int y);
  static ScriptEvent Idle(int polls);
  static ScriptEvent ListAnswer(std::string text);
  static ScriptEvent ListRow(int row);
};

struct HeadlessConfig {
  int charWidth = 8;
  int charHeight = 16;
  int displayHeight = 1200;  // what ConsoleInfo(35) reports
  int refreshRate = 60;      // what RefreshRate() reports, pictures a second
};

// One list box as it was shown.
struct ShownList {
  std::string prompt, title;
  std::vector<std::string> items;
  std::string answer;
  int row = -1;  // the row handed back with the answer
  int startIndex = 0;  // the item it opened at (PresetListSelection)
};

class HeadlessPlatform final : public ConsoleToolkit {
 public:
  explicit HeadlessPlatform(HeadlessConfig config = {});
  ~HeadlessPlatform() override;

  void Push(ScriptEvent e);
  void PushKeys(const std::vector<std::string>& keys);

  Platform AsPlatform();           // this console + the logging graphics toolkit
  GraphicsToolkit& Graphics();
  Canvas& GetCanvas();             // the picture drawn (ShownPixel for checks)

  // Every toolkit call as "Name(arg,arg)" (texts quoted), in order; DrawPixel calls are only
  // counted (PixelCount) since a map draws a million of them.
  const std::vector<std::string>& CallLog() const;
  void ClearLog();
  std::int64_t PixelCount() const;
  std::int64_t ClockMs() const;    // virtual time slept so far
  const std::string& WindowTitle() const;  // "" until the first SetWindowTitle
  const std::string& Output() const;  // what WriteLine wrote, each line ending in "\n"
  const std::string& ErrorOutput() const;  // what WriteErrorLine wrote, each ending in "\n"
  const std::vector<ShownList>& ListsShown() const;
  int ConsoleCols() const;
  int ConsoleRows() const;
  bool TextCursorVisible() const;
  bool MouseInputOn() const;
  std::size_t EventsLeft() const;

  // ConsoleToolkit
  int InitConsoleTools(int a, int b, int c, int d, std::int32_t& ref, int f) override;
  void ConsoleWindow(int mode) override;
  void ConsoleGfx(int a, int b, int c, int d) override;
  void ConsoleNormal() override;
  int ConsoleMetrics(int item) override;
  int ConsoleInfo(int item) override;
  std::string ConsoleListBox(int a, int b, int c, const std::string& prompt,
                             const std::string& title, const std::vector<std::string>& items,
                             int g, int h, int i, int* chosenRow) override;
  using ConsoleToolkit::ConsoleListBox;
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
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace moid::headless
