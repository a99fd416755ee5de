#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace moid {

// The fourth argument of InitConsoleTools, as the program starts the toolkit (the other
// values are zero).
constexpr int CONSOLE_TOOLS_START_MODE = 3;
// ConsoleMetrics items.
constexpr int CONSOLE_CELL_WIDTH = 1;   // pixel width of a character cell
constexpr int CONSOLE_CELL_HEIGHT = 2;  // pixel height of a character cell
// ConsoleInfo item: the usable display height in pixels.
constexpr int CONSOLE_DISPLAY_HEIGHT = 35;

// The console: the window that holds the text screen, the lists, the message box and
// the graphics area. Texts are Windows-1252 bytes.
class ConsoleToolkit {
 public:
  virtual ~ConsoleToolkit() = default;

  // --- Toolkit operations -------------------------------------------------
  virtual int InitConsoleTools(int a, int b, int c, int d, std::int32_t& ref, int f) = 0;
  virtual void ConsoleWindow(int mode) = 0;
  // Creates the graphics area over the console window (its size is the console's size in pixels).
  virtual void ConsoleGfx(int a, int b, int c, int d) = 0;
  virtual void ConsoleNormal() = 0;
  // CONSOLE_CELL_WIDTH or CONSOLE_CELL_HEIGHT, in pixels; 0 for other items.
  virtual int ConsoleMetrics(int item) = 0;
  // CONSOLE_DISPLAY_HEIGHT (the fit test needs more than the picture's height); 0 for others.
  virtual int ConsoleInfo(int item) = 0;
  // Returns the chosen item's text unchanged, "" when nothing was chosen. `chosenRow`, when
  // given, receives the chosen item's index in `items` (-1 when nothing was chosen), which
  // tells apart items of the same text and an empty item from no choice.
  virtual std::string ConsoleListBox(int a, int b, int c, const std::string& prompt,
                                     const std::string& title,
                                     const std::vector<std::string>& items, int g, int h, int i,
                                     int* chosenRow) = 0;
  std::string ConsoleListBox(int a, int b, int c, const std::string& prompt,
                             const std::string& title, const std::vector<std::string>& items,
                             int g, int h, int i) {
    return ConsoleListBox(a, b, c, prompt, title, items, g, h, i, nullptr);
  }
  // The next ConsoleListBox opens with item `index` selected and in view (clamped to the
  // items it shows); later lists open at their first item again.
  virtual void PresetListSelection(int index) = 0;
  // "\t" and "\n" (two characters each) in the text stand for a tab and a line break.
  virtual void ConsoleMessageBox(const std::string& text, int b, const std::string& title,
                                 int d, int e) = 0;

  // --- Console services ---------------------------------------------------
  // Makes the console exactly cols x rows character cells; a value above 9999 does nothing.
  virtual void SetConsoleSize(int cols, int rows) = 0;
  virtual void SetTextCursorVisible(bool visible) = 0;
  virtual void ClearText() = 0;
  virtual void WriteLine(const std::string& text) = 0;
  // Non-waiting read of one key (see Keys.h); "" when none is pending.
  virtual std::string ReadKey() = 0;
  // Waits for one key and discards it; returns at once when input has ended or quit was asked.
  virtual void WaitForKey() = 0;
  virtual void DiscardInput() = 0;
  // Mouse input on: left and right button presses are reported as four-byte keys.
  virtual void SetMouseInput(bool on) = 0;
  virtual void Sleep(int milliseconds) = 0;
  // True once the user closed the window (or a script ran out): every loop then leaves
  // through the exit sequence.
  virtual bool QuitRequested() const = 0;

  // --- The display ----------------------------------------------------------
  // How many pictures a second the display shows (60 when it does not say): the
  // animation draws no faster.
  virtual int RefreshRate() = 0;
  // A steady clock in microseconds; only differences between readings mean anything.
  virtual std::int64_t ClockMicros() = 0;
  // The window's title, UTF-8 (it is the desktop's text, not part of the pictures). A
  // title equal to the one shown changes nothing.
  virtual void SetWindowTitle(const std::string& utf8) = 0;
  // One line on the program's standard error, UTF-8, for what went wrong but did not stop it.
  virtual void WriteErrorLine(const std::string& utf8) = 0;
};

}  // namespace moid
