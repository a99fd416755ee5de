#include "platform/sdl/MessageBox.h"

#include <algorithm>

#include "platform/sdl/BoxPaint.h"

namespace moid::sdl {
namespace {

constexpr int PAD = 10;
constexpr int POLL_MS = 250;
const char* const HINT = "Press any key";

bool IsModifier(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
    case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
    case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_MODE:
      return true;
    default:
      return false;
  }
}

// A fresh key press or a click closes the box; a key still repeating from before does not.
bool Dismisses(const SDL_Event& e) {
  if (e.type == SDL_MOUSEBUTTONDOWN) return true;
  return e.type == SDL_KEYDOWN && e.key.repeat == 0 && !IsModifier(e.key.keysym.sym);
}

void PaintMessageBox(ModalHost& host, const std::vector<std::string>& lines,
                     const std::string& title) {
  const ConsoleFont& font = host.TextFont();
  const ConsoleFont& heading = host.HeadingFont();
  double textWidth = std::max(font.TextWidth(HINT), heading.TextWidth(title) + 12);
  for (const std::string& line : lines) textWidth = std::max(textWidth, font.TextWidth(line));
  const int cellH = font.CellHeight();
  const int titleH = cellH + 8;
  const double w = std::min<double>(textWidth + 2 * PAD, host.WidthPx());
  const double h = std::min<double>(titleH + (lines.size() + 1.5) * cellH + 2 * PAD,
                                    host.HeightPx());
  const double x = std::max(0.0, (host.WidthPx() - w) / 2);
  const double y = std::max(0.0, (host.HeightPx() - h) / 2);

  cairo_t* cr = host.BeginOverlay();
  cairo_save(cr);
  FillRect(cr, x, y, w, h, BOX_BACKGROUND);
  PaintTitleBar(cr, x, y, w, titleH, heading, title);
  OutlineRect(cr, x, y, w, h, TITLE_BAR);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  SetColor(cr, BODY_TEXT);
  double top = y + titleH + PAD;
  for (const std::string& line : lines) {
    font.Draw(cr, x + PAD, top, line);
    top += cellH;
  }
  SetColor(cr, HINT_TEXT);
  font.Draw(cr, x + PAD, top + cellH / 2.0, HINT);
  cairo_restore(cr);
  host.ShowOverlay();
}

}  // namespace

void RunMessageBox(ModalHost& host, const std::vector<std::string>& lines,
                   const std::string& title) {
  bool repaint = true;
  while (!host.Closed()) {
    if (repaint) PaintMessageBox(host, lines, title);
    repaint = false;
    SDL_Event e;
    if (!host.WaitEvent(e, POLL_MS)) continue;
    if (Dismisses(e)) {
      host.DropPendingText();
      return;
    }
    repaint = e.type == SDL_WINDOWEVENT;
  }
}

}  // namespace moid::sdl
