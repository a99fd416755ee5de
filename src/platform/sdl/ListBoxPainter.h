#pragma once
#include <cairo.h>

#include <string>

#include "platform/sdl/ConsoleFont.h"
#include "platform/sdl/ListBoxLayout.h"
#include "platform/sdl/ListBoxModel.h"

namespace moid::sdl {

// Paints the whole list box (it fills the window) as the model stands.
void PaintListBox(cairo_t* cr, const ListBoxLayout& layout, const ListBoxModel& model,
                  const std::string& title, const ConsoleFont& text, const ConsoleFont& heading);

// The status line: the search typed so far, or where the selection stands.
std::string ListStatusText(const ListBoxModel& model);

}  // namespace moid::sdl
