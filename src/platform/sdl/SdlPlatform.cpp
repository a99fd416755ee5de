#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>

#include "platform/FontCache.h"
#include "platform/sdl/ConsoleFont.h"
#include "platform/sdl/ConsoleText.h"
#include "platform/sdl/KeyEncoding.h"
#include "platform/sdl/ListBox.h"
#include "platform/sdl/MessageBox.h"
#include "platform/sdl/MessageText.h"
#include "platform/sdl/ModalHost.h"
#include "platform/sdl/ScreenFrame.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/SdlWindow.h"

namespace moid::sdl {
namespace {

constexpr int START_COLS = 80;
constexpr int START_ROWS = 25;
constexpr int MAX_CELLS = 9999;
// Far beyond any screen; keeps a huge console request from asking for gigabytes.
constexpr int MAX_WINDOW_SIDE = 8192;
constexpr std::size_t MAX_PENDING_KEYS = 256;
constexpr int IDLE_WAIT_MS = 100;
// The toolkit faces: "Courier" is Liberation Mono, "Arial" Liberation Sans (FontCache).
const char* const CONSOLE_FACE = "Courier";
const char* const HEADING_FACE = "Arial";
constexpr int FONT_PIXELS = 13;
// Displays that do not tell their refresh rate are taken to show this many pictures a second.
constexpr int DEFAULT_REFRESH_RATE = 60;

int WindowSide(long long cells, int cellPixels) {
  return static_cast<int>(std::clamp<long long>(cells * cellPixels, 1, MAX_WINDOW_SIDE));
}

}  // namespace

struct SdlPlatform::Impl final : ModalHost, GraphicsHost {
  SdlOptions options;
  std::unique_ptr<SdlWindow> window;
  FontCache fonts;
  ConsoleFont textFont{fonts.Get(CONSOLE_FACE, FONT_PIXELS, FontSizing::Em)};
  ConsoleFont headingFont{fonts.Get(HEADING_FACE, FONT_PIXELS, FontSizing::Em)};
  Canvas canvas;
  SdlGraphics graphics{canvas, *this};
  ConsoleText text{START_COLS, START_ROWS};
  ScreenFrame frame;
  int cols = START_COLS;
  int rows = START_ROWS;
  bool graphicsShown = false;
  bool building = false;  // between GFX_WINDOW_BEGIN_PICTURE and GFX_WINDOW_SHOW_PICTURE
  bool cursorVisible = true;
  bool mouseInput = false;
  bool quit = false;
  bool stdinIsTerminal = isatty(0) != 0;
  std::deque<std::string> keys;
  bool windowDirty = true;
  std::uint64_t shownGeneration = 0;
  std::uint64_t shownTextVersion = 0;
  std::uint64_t presentCount = 0;
  int listStart = 0;  // the item the next list box opens at

  explicit Impl(const SdlOptions& o) : options(o) {}

  int PixelWidth() const { return WindowSide(cols, textFont.CellWidth()); }
  int PixelHeight() const { return WindowSide(rows, textFont.CellHeight()); }

  // --- Events -----------------------------------------------------------------
  void RequestQuit() {
    quit = true;
    keys.clear();
    window->Hide();
  }

  void OnWindowEvent(Uint8 what) {
    switch (what) {
      case SDL_WINDOWEVENT_CLOSE:
        RequestQuit();
        break;
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
      case SDL_WINDOWEVENT_RESTORED:
        windowDirty = true;  // the window's content must be put there again
        break;
      default:
        break;
    }
  }

  // Closing, exposure and pointer motion; true when the event needs nothing more.
  bool HandleWindowEvent(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        RequestQuit();
        return true;
      case SDL_WINDOWEVENT:
        OnWindowEvent(e.window.event);
        return true;
      case SDL_MOUSEMOTION:
        canvas.SetPointer(e.motion.x, e.motion.y);
        return true;
      case SDL_MOUSEBUTTONDOWN:
        canvas.SetPointer(e.button.x, e.button.y);
        return false;
      default:
        return false;
    }
  }

  void Handle(const SDL_Event& e) {
    if (HandleWindowEvent(e) || quit) return;
    for (std::string& key : KeysFromEvent(e, mouseInput)) {
      if (keys.size() < MAX_PENDING_KEYS) keys.push_back(std::move(key));
    }
  }

  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) Handle(e);
  }

  // Sleeps until an event arrives or timeoutMs pass, then takes every pending event.
  void WaitForEvents(int timeoutMs) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeoutMs) != 0) Handle(e);
    Pump();
  }

  // --- Showing ------------------------------------------------------------------
  bool NeedsPresent() const {
    if (quit) return false;
    if (windowDirty) return true;
    return graphicsShown ? canvas.ShownGeneration() != shownGeneration
                         : text.Version() != shownTextVersion;
  }

  void Present() {
    if (quit) return;
    if (graphicsShown) {
      window->Show(canvas.ShownData(), canvas.Width(), canvas.Height(), canvas.ShownStride());
    } else {
      frame.Resize(window->Width(), window->Height());
      frame.PaintConsole(text, textFont, cursorVisible);
      window->Show(frame.Data(), frame.Width(), frame.Height(), frame.Stride());
    }
    shownGeneration = canvas.ShownGeneration();
    shownTextVersion = text.Version();
    windowDirty = false;
    ++presentCount;
  }

  void PresentIfNeeded() {
    if (NeedsPresent()) Present();
  }

  // After a box: the window shows the screen again.
  void EndModal() {
    windowDirty = true;
    Present();
  }

  // --- ModalHost ------------------------------------------------------------------
  bool WaitEvent(SDL_Event& e, int timeoutMs) override {
    if (quit || SDL_WaitEventTimeout(&e, timeoutMs) == 0) return false;
    HandleWindowEvent(e);
    return !quit;
  }
  bool Closed() const override { return quit; }
  cairo_t* BeginOverlay() override {
    frame.Resize(window->Width(), window->Height());
    if (graphicsShown) {
      frame.PaintPicture(canvas.ShownData(), canvas.Width(), canvas.Height(),
                         canvas.ShownStride());
    } else {
      frame.PaintConsole(text, textFont, false);
    }
    return frame.Context();
  }
  void ShowOverlay() override {
    window->Show(frame.Data(), frame.Width(), frame.Height(), frame.Stride());
    ++presentCount;
  }
  int WidthPx() const override { return window->Width(); }
  int HeightPx() const override { return window->Height(); }
  const ConsoleFont& TextFont() const override { return textFont; }
  const ConsoleFont& HeadingFont() const override { return headingFont; }
  void DropPendingText() override {
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_TEXTEDITING);
    SDL_FlushEvent(SDL_TEXTINPUT);
  }

  // --- GraphicsHost ----------------------------------------------------------------
  // Whether the shown picture changed is the canvas's to say (its shown generation): ending
  // a picture that was never begun changes nothing, so an idle pass presents nothing.
  void OnGfxWindow(int mode) override {
    if (mode == GFX_WINDOW_CONSOLE && graphicsShown) {
      graphicsShown = false;
      windowDirty = true;
    } else if (mode == GFX_WINDOW_GRAPHICS && !graphicsShown) {
      graphicsShown = true;
      windowDirty = true;
    } else if (mode == GFX_WINDOW_SHOW_PICTURE) {
      PresentIfNeeded();
    }
  }
  void OnRefresh() override {
    Pump();
    PresentIfNeeded();
  }
  void BeforePointerRead() override { Pump(); }

  // --- Missing data without a terminal ------------------------------------------------
  bool ShowsWaitMessage() const {
    using WaitMessage = SdlOptions::WaitMessage;
    if (graphicsShown || text.Written().empty()) return false;
    return options.waitMessage == WaitMessage::Always ||
           (options.waitMessage == WaitMessage::WithoutTerminal && !stdinIsTerminal);
  }

  // Shows what was written in a message box over the text screen until a key, a click or
  // the closing of the window dismisses it.
  void ShowWrittenInMessageBox() {
    RunMessageBox(*this, text.Written(), options.title);
    EndModal();
  }
};

std::unique_ptr<SdlPlatform> SdlPlatform::Open(const SdlOptions& options, std::string& whyNot) {
  const VideoEnvironment env = ProcessVideoEnvironment(options.videoDriver);
  if (!StartVideo(env, options.allowInvisible, whyNot)) return nullptr;
  auto impl = std::make_unique<Impl>(options);
  impl->window = SdlWindow::Create(options.title.c_str(), impl->PixelWidth(),
                                   impl->PixelHeight(), whyNot);
  if (!impl->window) {
    impl.reset();
    StopVideo();
    return nullptr;
  }
  SDL_StartTextInput();
  return std::unique_ptr<SdlPlatform>(new SdlPlatform(std::move(impl)));
}

SdlPlatform::SdlPlatform(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

SdlPlatform::~SdlPlatform() {
  impl_.reset();
  StopVideo();
}

Platform SdlPlatform::AsPlatform() { return Platform{*this, impl_->graphics}; }
GraphicsToolkit& SdlPlatform::Graphics() { return impl_->graphics; }
Canvas& SdlPlatform::GetCanvas() { return impl_->canvas; }
int SdlPlatform::WindowWidth() const { return impl_->window->Width(); }
int SdlPlatform::WindowHeight() const { return impl_->window->Height(); }
int SdlPlatform::ConsoleCols() const { return impl_->cols; }
int SdlPlatform::ConsoleRows() const { return impl_->rows; }
std::uint64_t SdlPlatform::PresentCount() const { return impl_->presentCount; }
bool SdlPlatform::MouseInputOn() const { return impl_->mouseInput; }
bool SdlPlatform::TextCursorVisible() const { return impl_->cursorVisible; }

std::uint32_t SdlPlatform::ScreenPixel(int x, int y) const {
  SDL_Surface* s = SDL_GetWindowSurface(impl_->window->Handle());
  if (s == nullptr || x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
  const auto* row = static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
  Uint32 value = 0;
  SDL_memcpy(&value, row + static_cast<std::ptrdiff_t>(x) * s->format->BytesPerPixel,
             s->format->BytesPerPixel);
  Uint8 r = 0, g = 0, b = 0;
  SDL_GetRGB(value, s->format, &r, &g, &b);
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
}

int SdlPlatform::InitConsoleTools(int, int, int, int, std::int32_t&, int) { return 0; }

void SdlPlatform::ConsoleWindow(int) {}

void SdlPlatform::ConsoleGfx(int, int, int, int) {
  impl_->canvas.Resize(impl_->PixelWidth(), impl_->PixelHeight());
  impl_->graphicsShown = true;
  impl_->windowDirty = true;
}

void SdlPlatform::ConsoleNormal() {}

int SdlPlatform::ConsoleMetrics(int item) {
  if (item == CONSOLE_CELL_WIDTH) return impl_->textFont.CellWidth();
  if (item == CONSOLE_CELL_HEIGHT) return impl_->textFont.CellHeight();
  return 0;
}

int SdlPlatform::ConsoleInfo(int item) {
  return item == CONSOLE_DISPLAY_HEIGHT ? impl_->window->UsableHeight() : 0;
}

std::string SdlPlatform::ConsoleListBox(int, int, int, const std::string& prompt,
                                        const std::string& title,
                                        const std::vector<std::string>& items, int, int, int,
                                        int* chosenRow) {
  if (chosenRow != nullptr) *chosenRow = -1;
  if (impl_->quit) return "";
  impl_->keys.clear();
  const int start = impl_->listStart;
  impl_->listStart = 0;
  const int row = RunListBox(*impl_, prompt, title, items, start);
  impl_->EndModal();
  if (row < 0 || row >= static_cast<int>(items.size())) return "";
  if (chosenRow != nullptr) *chosenRow = row;
  return items[static_cast<std::size_t>(row)];
}

void SdlPlatform::PresetListSelection(int index) { impl_->listStart = index; }

void SdlPlatform::ConsoleMessageBox(const std::string& text, int, const std::string& title, int,
                                    int) {
  if (impl_->quit) return;
  RunMessageBox(*impl_, MessageLines(text), title);
  impl_->EndModal();
}

void SdlPlatform::SetConsoleSize(int cols, int rows) {
  if (cols > MAX_CELLS || rows > MAX_CELLS || cols < 1 || rows < 1) return;
  impl_->cols = cols;
  impl_->rows = rows;
  impl_->text.Resize(cols, rows);
  impl_->window->SetSize(impl_->PixelWidth(), impl_->PixelHeight());
  impl_->windowDirty = true;
}

void SdlPlatform::SetTextCursorVisible(bool visible) {
  if (visible == impl_->cursorVisible) return;
  impl_->cursorVisible = visible;
  if (!impl_->graphicsShown) impl_->windowDirty = true;
}

void SdlPlatform::ClearText() { impl_->text.Clear(); }

void SdlPlatform::WriteLine(const std::string& text) {
  impl_->text.WriteLine(text);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string SdlPlatform::ReadKey() {
  impl_->Pump();
  impl_->PresentIfNeeded();
  if (impl_->quit || impl_->keys.empty()) return "";
  std::string key = std::move(impl_->keys.front());
  impl_->keys.pop_front();
  return key;
}

void SdlPlatform::WaitForKey() {
  impl_->PresentIfNeeded();
  // The box reads the window's events itself; a key already taken in answers at once.
  if (impl_->keys.empty() && impl_->ShowsWaitMessage()) {
    impl_->ShowWrittenInMessageBox();  // its dismissal is the key
    return;
  }
  while (!impl_->quit) {
    if (!impl_->keys.empty()) {
      impl_->keys.pop_front();
      return;
    }
    impl_->PresentIfNeeded();
    impl_->WaitForEvents(IDLE_WAIT_MS);
  }
}

void SdlPlatform::DiscardInput() {
  impl_->Pump();
  impl_->keys.clear();
}

void SdlPlatform::SetMouseInput(bool on) { impl_->mouseInput = on; }

void SdlPlatform::Sleep(int milliseconds) {
  if (milliseconds > 0) SDL_Delay(static_cast<Uint32>(milliseconds));
  impl_->Pump();
  impl_->PresentIfNeeded();
}

bool SdlPlatform::QuitRequested() const { return impl_->quit; }

int SdlPlatform::RefreshRate() {
  const int rate = impl_->window->DisplayRefreshRate();
  return rate > 0 ? rate : DEFAULT_REFRESH_RATE;
}

std::int64_t SdlPlatform::ClockMicros() {
  const Uint64 ticks = SDL_GetPerformanceCounter();
  const Uint64 perSecond = SDL_GetPerformanceFrequency();
  return static_cast<std::int64_t>(ticks / perSecond * 1000000 +
                                   ticks % perSecond * 1000000 / perSecond);
}

void SdlPlatform::SetWindowTitle(const std::string& utf8) { impl_->window->SetTitle(utf8); }

std::string SdlPlatform::WindowTitle() const { return SDL_GetWindowTitle(impl_->window->Handle()); }

void SdlPlatform::WriteErrorLine(const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace moid::sdl
