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

// The scroll bar's thumb while the left button holds it: where on the thumb it was taken.
struct ThumbDrag {
  bool active = false;
  double grabOffset = 0;
};

// A press on the scroll bar: on the thumb it takes hold of it, above or below it turns a page.
void OnScrollBarPress(ListBoxModel& model, const ListBoxLayout& layout, int y, ThumbDrag& drag) {
  const ListBoxLayout::Thumb thumb = layout.ThumbFor(model.Count(), model.Top());
  if (thumb.height <= 0) return;
  if (y >= thumb.top && y < thumb.top + thumb.height) {
    drag.active = true;
    drag.grabOffset = y - thumb.top;
    return;
  }
  model.ScrollBy(y < thumb.top ? -layout.pageRows : layout.pageRows);
}

Outcome OnButton(ListBoxModel& model, const ListBoxLayout& layout,
                 const SDL_MouseButtonEvent& b, ThumbDrag& drag) {
  if (b.button != SDL_BUTTON_LEFT) return Outcome::Open;
  if (layout.OnScrollBar(b.x, b.y)) {
    OnScrollBarPress(model, layout, b.y, drag);
    return Outcome::Open;
  }
  const int row = layout.RowAt(b.x, b.y);
  if (row < 0 || model.Top() + row >= model.Count()) return Outcome::Open;
  model.Select(model.Top() + row);
  return b.clicks >= 2 ? Outcome::Chosen : Outcome::Open;
}

// The held thumb follows the pointer; true when the view moved.
bool OnMotion(ListBoxModel& model, const ListBoxLayout& layout, const SDL_MouseMotionEvent& m,
              ThumbDrag& drag) {
  if (!drag.active) return false;
  if ((m.state & SDL_BUTTON_LMASK) == 0) {  // released outside the window
    drag.active = false;
    return false;
  }
  const int top = layout.TopForThumbAt(m.y - drag.grabOffset, model.Count());
  if (top == model.Top()) return false;
  model.ScrollBy(top - model.Top());
  return true;
}

void OnWheel(ListBoxModel& model, const SDL_MouseWheelEvent& w) {
  const int up = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
  model.ScrollBy(-up * WHEEL_ROWS);
}

// Acts on one event; `repaint` tells whether the box must be drawn again.
Outcome OnEvent(ListBoxModel& model, const ListBoxLayout& layout, const SDL_Event& e,
                ThumbDrag& drag, bool& repaint) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_TEXTINPUT:
      repaint = true;
      return OnKeys(model, e);
    case SDL_MOUSEBUTTONDOWN:
      repaint = true;
      return OnButton(model, layout, e.button, drag);
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT) drag.active = false;
      return Outcome::Open;
    case SDL_MOUSEMOTION:
      repaint = OnMotion(model, layout, e.motion, drag) || repaint;
      return Outcome::Open;
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
               const std::vector<std::string>& items, int startIndex) {
  const ConsoleFont& font = host.TextFont();
  const ListBoxLayout layout(host.WidthPx(), host.HeightPx(), font.CellWidth(),
                             font.CellHeight(), prompt);
  ListBoxModel model(items);
  model.SetPageRows(layout.pageRows);
  model.Select(startIndex);
  ThumbDrag drag;
  bool repaint = true;
  while (!host.Closed()) {
    if (repaint) {
      PaintListBox(host.BeginOverlay(), layout, model, title, font, host.HeadingFont());
      host.ShowOverlay();
      repaint = false;
    }
    SDL_Event e;
    if (!host.WaitEvent(e, POLL_MS)) continue;
    const Outcome outcome = OnEvent(model, layout, e, drag, repaint);
    if (outcome == Outcome::Open) continue;
    host.DropPendingText();
    return outcome == Outcome::Chosen ? model.Selected() : -1;
  }
  return -1;
}

}  // namespace moid::sdl
