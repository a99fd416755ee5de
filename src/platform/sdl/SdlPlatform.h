#pragma once
// SDL backend: the window is the console. Implements:
//  - every ConsoleToolkit operation: a text screen of character cells (the console font's
//    cells, 8 x 16 pixels with the Liberation fonts) that SetConsoleSize sizes in cells;
//    list boxes and message boxes drawn in the window; the key buffer from SDL input
//    (platform/sdl/KeyEncoding.h); WriteLine also writes to standard output;
//  - a GraphicsToolkit that draws into the shared Canvas and shows its picture in the
//    window at GfxWindow(3), on GfxRefresh and whenever the window is uncovered, only when
//    something changed, so an idle screen costs next to nothing.
//  - the display: its refresh rate (60 when SDL's display mode does not say), a steady
//    clock from SDL's performance counter, and the window's title.
// Closing the window makes QuitRequested() true: reads return nothing from then on and
// lists return "", so every screen leaves through the exit sequence.
// One SdlPlatform at a time per process (SDL's video is process-wide).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ConsoleToolkit.h"
#include "platform/Platform.h"

namespace moid::sdl {

struct SdlOptions {
  std::string title = "moidview";
  // The SDL video driver to use; "" lets SDL choose.
  std::string videoDriver;
  // Accept the drivers that show nothing (offscreen, dummy): for tests only. Otherwise a
  // machine without a display is refused instead of running an invisible window.
  bool allowInvisible = false;
  // When WaitForKey shows the lines written to the text screen in a message box as well:
  // by default only when standard input is no terminal (started from a desktop menu),
  // since nobody reads standard output then.
  enum class WaitMessage { WithoutTerminal, Never, Always };
  WaitMessage waitMessage = WaitMessage::WithoutTerminal;
};

class SdlPlatform final : public ConsoleToolkit {
 public:
  // The platform with its window (hidden until its first picture); nullptr and a
  // one-line reason when there is no display or the window cannot be made.
  static std::unique_ptr<SdlPlatform> Open(const SdlOptions& options, std::string& whyNot);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  Platform AsPlatform();
  GraphicsToolkit& Graphics();
  Canvas& GetCanvas();

  // For checks: the window's size in pixels, the console's in cells, the pixel last put on
  // the screen at (x, y) as 0x00RRGGBB, and how many pictures were put on the screen.
  int WindowWidth() const;
  int WindowHeight() const;
  int ConsoleCols() const;
  int ConsoleRows() const;
  std::uint32_t ScreenPixel(int x, int y) const;
  std::uint64_t PresentCount() const;
  std::string WindowTitle() const;
  bool MouseInputOn() const;
  bool TextCursorVisible() const;

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
  explicit SdlPlatform(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace moid::sdl
