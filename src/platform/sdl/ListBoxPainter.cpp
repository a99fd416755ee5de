#include "platform/sdl/ListBoxPainter.h"

#include <algorithm>

#include "platform/sdl/BoxPaint.h"

namespace moid::sdl {
namespace {

void PaintRows(cairo_t* cr, const ListBoxLayout& l, const ListBoxModel& model,
               const ConsoleFont& font) {
  const int rowWidth = l.listWidth - 2 - ListBoxLayout::SCROLLBAR;
  const auto cols = static_cast<std::size_t>(l.TextCols());
  for (int r = 0; r < l.pageRows; ++r) {
    const int index = model.Top() + r;
    if (index >= model.Count()) break;
    const int y = l.rowsTop + r * l.cellH;
    const bool selected = index == model.Selected();
    if (selected) FillRect(cr, l.listLeft + 1, y, rowWidth, l.cellH, TITLE_BAR);
    SetColor(cr, selected ? TITLE_TEXT : BODY_TEXT);
    font.Draw(cr, l.listLeft + 5, y, model.ItemText(index).substr(0, cols));
  }
}

void PaintScrollBar(cairo_t* cr, const ListBoxLayout& l, const ListBoxModel& model) {
  const double x = l.listLeft + l.listWidth - 1 - ListBoxLayout::SCROLLBAR;
  const double trackH = l.pageRows * l.cellH;
  FillRect(cr, x, l.rowsTop, ListBoxLayout::SCROLLBAR, trackH, {0.87, 0.87, 0.87});
  const ListBoxLayout::Thumb thumb = l.ThumbFor(model.Count(), model.Top());
  if (thumb.height <= 0) return;
  FillRect(cr, x + 2, thumb.top, ListBoxLayout::SCROLLBAR - 4, thumb.height, {0.56, 0.56, 0.56});
}

}  // namespace

std::string ListStatusText(const ListBoxModel& model) {
  if (!model.Search().empty()) {
    return "Find: " + model.Search() + (model.SearchFailed() ? "  (not found)" : "");
  }
  if (model.Count() == 0) return "(empty)";
  return std::to_string(model.Selected() + 1) + " of " + std::to_string(model.Count());
}

void PaintListBox(cairo_t* cr, const ListBoxLayout& l, const ListBoxModel& model,
                  const std::string& title, const ConsoleFont& text,
                  const ConsoleFont& heading) {
  cairo_save(cr);
  FillRect(cr, 0, 0, l.width, l.height, BOX_BACKGROUND);
  PaintTitleBar(cr, 0, 0, l.width, l.titleHeight, heading, title);
  SetColor(cr, BODY_TEXT);
  int y = l.promptTop;
  for (const std::string& line : l.promptLines) {
    text.Draw(cr, ListBoxLayout::MARGIN, y, line);
    y += l.cellH;
  }
  FillRect(cr, l.listLeft, l.listTop, l.listWidth, l.listHeight, FIELD);
  OutlineRect(cr, l.listLeft, l.listTop, l.listWidth, l.listHeight, FRAME_LINE);
  PaintRows(cr, l, model, text);
  PaintScrollBar(cr, l, model);
  SetColor(cr, model.SearchFailed() ? ALERT_TEXT : HINT_TEXT);
  text.Draw(cr, ListBoxLayout::MARGIN, l.statusTop, ListStatusText(model));
  cairo_restore(cr);
}

}  // namespace moid::sdl
