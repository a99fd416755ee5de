#pragma once
#include <string>
#include <vector>

#include "app/AppState.h"
#include "platform/Platform.h"

namespace moid {

// The ten items of the width list, " 432" to "1080" in steps of 72.
std::vector<std::string> WidthChoices();

// Text rows below and columns right of the picture, from the character cell size.
int ExtraRowsFor(int charHeight);
int ExtraColsFor(int charWidth);

// The width a list answer stands for: its number after leading blanks, held to a multiple
// of 72 between 72 and the largest list value (a list item gives its own value).
int WidthFromItem(const std::string& item);

// Creates the graphics area and clears it to white.
void PrepareGraphicsArea(Platform& platform);

// Shows the width list; the chosen item, or "" when nothing was chosen.
std::string ChooseWindowWidth(Platform& platform, const AppState& state);

// Sizes the console for state.windowWidth, lowering it by 72 until the screen holds the
// picture and its margins (never below 72). Every pass re-creates the W-sized tables and
// reads the catalogue again.
void FitLayout(Platform& platform, AppState& state);

}  // namespace moid
