#include "platform/headless/HeadlessPlatform.h"

#include "platform/Keys.h"
#include "platform/headless/CallFormat.h"
#include "platform/headless/LoggingGraphics.h"

namespace moid::headless {
namespace {

constexpr int MAX_CONSOLE_SIDE = 9999;

}  // namespace

ScriptEvent ScriptEvent::Key(std::string k) {
  ScriptEvent e;
  e.kind = Kind::Key;
  e.text = std::move(k);
  return e;
}

ScriptEvent ScriptEvent::Pointer(int x, int y) {
  ScriptEvent e;
  e.kind = Kind::Pointer;
  e.x = x;
  e.y = y;
  return e;
}

ScriptEvent ScriptEvent::Idle(int polls) {
  ScriptEvent e;
  e.kind = Kind::Idle;
  e.count = polls;
  return e;
}

ScriptEvent ScriptEvent::ListAnswer(std::string text) {
  ScriptEvent e;
  e.kind = Kind::ListAnswer;
  e.text = std::move(text);
  return e;
}

ScriptEvent ScriptEvent::ListRow(int row) {
  ScriptEvent e;
  e.kind = Kind::ListRow;
  e.count = row;
  return e;
}

namespace {

bool IsListEvent(const ScriptEvent& e) {
  return e.kind == ScriptEvent::Kind::ListAnswer || e.kind == ScriptEvent::Kind::ListRow;
}

// What a list shows for a scripted answer: by row, or by text (the first item of that text).
void AnswerList(const ScriptEvent& e, ShownList& shown) {
  const int count = static_cast<int>(shown.items.size());
  if (e.kind == ScriptEvent::Kind::ListRow) {
    if (e.count < 0 || e.count >= count) return;
    shown.row = e.count;
    shown.answer = shown.items[static_cast<std::size_t>(e.count)];
    return;
  }
  shown.answer = e.text;
  if (e.text.empty()) return;
  for (int i = 0; i < count; ++i) {
    if (shown.items[static_cast<std::size_t>(i)] == e.text) {
      shown.row = i;
      return;
    }
  }
}

}  // namespace

struct HeadlessPlatform::Impl {
  HeadlessConfig config;
  Canvas canvas;
  std::vector<std::string> log;
  LoggingGraphics graphics{canvas, log};
  std::deque<ScriptEvent> script;
  std::vector<ShownList> lists;
  std::string output;
  std::string errorOutput;
  std::string title;
  std::int64_t clockMs = 0;
  int listStart = 0;
  int cols = 0;
  int rows = 0;
  bool cursorVisible = true;
  bool mouseOn = false;
  bool quit = false;

  explicit Impl(HeadlessConfig c) : config(c) {}

  // The next event, with exhausted idles removed; null (and quit set) at the script's end.
  ScriptEvent* Next() {
    while (!script.empty() && script.front().kind == ScriptEvent::Kind::Idle &&
           script.front().count <= 0) {
      script.pop_front();
    }
    if (script.empty()) {
      quit = true;
      return nullptr;
    }
    return &script.front();
  }

  // One poll of the keyboard: consumes at most one event (or one idle turn).
  std::string Poll() {
    ScriptEvent* e = Next();
    if (e == nullptr) return "";
    if (e->kind == ScriptEvent::Kind::Idle) {
      --e->count;
      return "";
    }
    ScriptEvent taken = std::move(*e);
    script.pop_front();
    if (taken.kind == ScriptEvent::Kind::Pointer) canvas.SetPointer(taken.x, taken.y);
    if (taken.kind != ScriptEvent::Kind::Key) return "";
    if (keys::IsMousePress(taken.text) && !mouseOn) return "";
    return taken.text;
  }

  void WaitForKey() {
    while (!quit) {
      if (!Poll().empty()) return;
    }
  }

  // Drops events up to the next list answer and answers `shown` with it; nothing chosen at
  // the script's end.
  void TakeListAnswer(ShownList& shown) {
    for (ScriptEvent* e = Next(); e != nullptr; e = Next()) {
      ScriptEvent taken = std::move(*e);
      script.pop_front();
      if (taken.kind == ScriptEvent::Kind::Pointer) canvas.SetPointer(taken.x, taken.y);
      if (IsListEvent(taken)) {
        AnswerList(taken, shown);
        return;
      }
    }
  }
};

HeadlessPlatform::HeadlessPlatform(HeadlessConfig config) : impl_(std::make_unique<Impl>(config)) {}
HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::Push(ScriptEvent e) { impl_->script.push_back(std::move(e)); }

void HeadlessPlatform::PushKeys(const std::vector<std::string>& keys) {
  for (const std::string& k : keys) Push(ScriptEvent::Key(k));
}

Platform HeadlessPlatform::AsPlatform() { return Platform{*this, impl_->graphics}; }
GraphicsToolkit& HeadlessPlatform::Graphics() { return impl_->graphics; }
Canvas& HeadlessPlatform::GetCanvas() { return impl_->canvas; }
const std::vector<std::string>& HeadlessPlatform::CallLog() const { return impl_->log; }
void HeadlessPlatform::ClearLog() { impl_->log.clear(); }
std::int64_t HeadlessPlatform::PixelCount() const { return impl_->graphics.PixelCount(); }
std::int64_t HeadlessPlatform::ClockMs() const { return impl_->clockMs; }
const std::string& HeadlessPlatform::WindowTitle() const { return impl_->title; }
const std::string& HeadlessPlatform::Output() const { return impl_->output; }
const std::vector<ShownList>& HeadlessPlatform::ListsShown() const { return impl_->lists; }
int HeadlessPlatform::ConsoleCols() const { return impl_->cols; }
int HeadlessPlatform::ConsoleRows() const { return impl_->rows; }
bool HeadlessPlatform::TextCursorVisible() const { return impl_->cursorVisible; }
bool HeadlessPlatform::MouseInputOn() const { return impl_->mouseOn; }
std::size_t HeadlessPlatform::EventsLeft() const { return impl_->script.size(); }

int HeadlessPlatform::InitConsoleTools(int a, int b, int c, int d, std::int32_t& ref, int f) {
  impl_->log.push_back(FormatCall("InitConsoleTools", a, b, c, d, ref, f));
  return 0;
}

void HeadlessPlatform::ConsoleWindow(int mode) {
  impl_->log.push_back(FormatCall("ConsoleWindow", mode));
}

void HeadlessPlatform::ConsoleGfx(int a, int b, int c, int d) {
  impl_->log.push_back(FormatCall("ConsoleGfx", a, b, c, d));
  const int width = impl_->cols * impl_->config.charWidth;
  const int height = impl_->rows * impl_->config.charHeight;
  if (width > 0 && height > 0) impl_->canvas.Resize(width, height);
}

void HeadlessPlatform::ConsoleNormal() { impl_->log.push_back(FormatCall("ConsoleNormal")); }

int HeadlessPlatform::ConsoleMetrics(int item) {
  impl_->log.push_back(FormatCall("ConsoleMetrics", item));
  if (item == CONSOLE_CELL_WIDTH) return impl_->config.charWidth;
  if (item == CONSOLE_CELL_HEIGHT) return impl_->config.charHeight;
  return 0;
}

int HeadlessPlatform::ConsoleInfo(int item) {
  impl_->log.push_back(FormatCall("ConsoleInfo", item));
  return item == CONSOLE_DISPLAY_HEIGHT ? impl_->config.displayHeight : 0;
}

std::string HeadlessPlatform::ConsoleListBox(int, int, int, const std::string& prompt,
                                             const std::string& title,
                                             const std::vector<std::string>& items, int, int, int,
                                             int* chosenRow) {
  impl_->log.push_back(FormatCall("ConsoleListBox", Quoted{title}));
  ShownList shown{prompt, title, items, "", -1, impl_->listStart};
  impl_->listStart = 0;
  impl_->TakeListAnswer(shown);
  impl_->lists.push_back(shown);
  if (chosenRow != nullptr) *chosenRow = shown.row;
  return shown.answer;
}

void HeadlessPlatform::PresetListSelection(int index) { impl_->listStart = index; }

void HeadlessPlatform::ConsoleMessageBox(const std::string&, int, const std::string& title, int,
                                         int) {
  impl_->log.push_back(FormatCall("ConsoleMessageBox", Quoted{title}));
}

void HeadlessPlatform::SetConsoleSize(int cols, int rows) {
  impl_->log.push_back(FormatCall("SetConsoleSize", cols, rows));
  if (cols > MAX_CONSOLE_SIDE || rows > MAX_CONSOLE_SIDE || cols <= 0 || rows <= 0) return;
  impl_->cols = cols;
  impl_->rows = rows;
}

void HeadlessPlatform::SetTextCursorVisible(bool visible) {
  impl_->log.push_back(FormatCall("SetTextCursorVisible", visible ? 1 : 0));
  impl_->cursorVisible = visible;
}

void HeadlessPlatform::ClearText() { impl_->log.push_back(FormatCall("ClearText")); }

void HeadlessPlatform::WriteLine(const std::string& text) {
  impl_->log.push_back(FormatCall("WriteLine", Quoted{text}));
  impl_->output += text;
  impl_->output += '\n';
}

std::string HeadlessPlatform::ReadKey() { return impl_->Poll(); }

void HeadlessPlatform::WaitForKey() {
  impl_->log.push_back(FormatCall("WaitForKey"));
  impl_->WaitForKey();
}

void HeadlessPlatform::DiscardInput() { impl_->log.push_back(FormatCall("DiscardInput")); }

void HeadlessPlatform::SetMouseInput(bool on) {
  impl_->log.push_back(FormatCall("SetMouseInput", on ? 1 : 0));
  impl_->mouseOn = on;
}

void HeadlessPlatform::Sleep(int milliseconds) {
  impl_->log.push_back(FormatCall("Sleep", milliseconds));
  if (milliseconds > 0) impl_->clockMs += milliseconds;
}

bool HeadlessPlatform::QuitRequested() const { return impl_->quit; }

int HeadlessPlatform::RefreshRate() { return impl_->config.refreshRate; }

std::int64_t HeadlessPlatform::ClockMicros() { return impl_->clockMs * 1000; }

void HeadlessPlatform::SetWindowTitle(const std::string& utf8) {
  if (utf8 == impl_->title) return;
  impl_->log.push_back(FormatCall("SetWindowTitle", Quoted{utf8}));
  impl_->title = utf8;
}

void HeadlessPlatform::WriteErrorLine(const std::string& utf8) {
  impl_->log.push_back(FormatCall("WriteErrorLine", Quoted{utf8}));
  impl_->errorOutput += utf8 + "\n";
}

const std::string& HeadlessPlatform::ErrorOutput() const { return impl_->errorOutput; }
}  // namespace moid::headless
