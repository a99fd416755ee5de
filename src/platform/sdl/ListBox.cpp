#include "platform/sdl/ListBox.h"

#include <algorithm>

#include "platform/sdl/KeyEncoding.h"
#include "platform/sdl/ListBoxLayout.h"
#include "platform/sdl/ListBoxModel.h"
#include "platform/sdl/ListBoxPainter.h"

namespace moid::sdl {
namespace {

constexpr int WHEEL_ROWS = 3;
constexpr int POLL_MS = 250;

using Outcome = ListBoxModel::Outcome;

Outcome OnKeys(ListBoxModel& model, const SDL_Event& e) {
  for (const std::string& key : KeysFromEvent(e, false)) {
    const Outcome outcome = model.OnKey(key);
    if (outcome != Outcome::Open) return outcome;
  }
  return Outcome::Open;
}

Outcome OnButton(ListBoxModel& model, const ListBoxLayout& layout,
                 const SDL_MouseButtonEvent& b) {
  if (b.button != SDL_BUTTON_LEFT) return Outcome::Open;
  if (layout.OnScrollBar(b.x, b.y)) {
    const double thumbMiddle = layout.rowsTop + layout.pageRows * layout.cellH *
                                                    (model.Top() + layout.pageRows / 2.0) /
                                                    std::max(model.Count(), 1);
    model.ScrollBy(b.y < thumbMiddle ? -layout.pageRows : layout.pageRows);
    return Outcome::Open;
  }
  const int row = layout.RowAt(b.x, b.y);
  if (row < 0 || model.Top() + row >= model.Count()) return Outcome::Open;
  model.Select(model.Top() + row);
  return b.clicks >= 2 ? Outcome::Chosen : Outcome::Open;
}

void OnWheel(ListBoxModel& model, const SDL_MouseWheelEvent& w) {
  const int up = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
  model.ScrollBy(-up * WHEEL_ROWS);
}

// Acts on one event; `repaint` tells whether the box must be drawn again.
Outcome OnEvent(ListBoxModel& model, const ListBoxLayout& layout, const SDL_Event& e,
                bool& repaint) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_TEXTINPUT:
      repaint = true;
      return OnKeys(model, e);
    case SDL_MOUSEBUTTONDOWN:
      repaint = true;
      return OnButton(model, layout, e.button);
    case SDL_MOUSEWHEEL:
      repaint = true;
      OnWheel(model, e.wheel);
      return Outcome::Open;
    case SDL_WINDOWEVENT:
      repaint = true;
      return Outcome::Open;
    default:
      return Outcome::Open;
  }
}

}  // namespace

int RunListBox(ModalHost& host, const std::string& prompt, const std::string& title,
                       const std::vector<std::string>& items) {
  const ConsoleFont& font = host.TextFont();
  const ListBoxLayout layout(host.WidthPx(), host.HeightPx(), font.CellWidth(),
                             font.CellHeight(), prompt);
  ListBoxModel model(items);
  model.SetPageRows(layout.pageRows);
  bool repaint = true;
  while (!host.Closed()) {
    if (repaint) {
      PaintListBox(host.BeginOverlay(), layout, model, title, font, host.HeadingFont());
      host.ShowOverlay();
      repaint = false;
    }
    SDL_Event e;
    if (!host.WaitEvent(e, POLL_MS)) continue;
    const Outcome outcome = OnEvent(model, layout, e, repaint);
    if (outcome == Outcome::Open) continue;
    host.DropPendingText();
    return outcome == Outcome::Chosen ? model.Selected() : -1;
  }
  return -1;
}

}  // namespace moid::sdl
