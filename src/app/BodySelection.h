#pragma once
#include <string>
#include <vector>

#include "app/AppState.h"
#include "platform/Platform.h"

namespace moid {

// The text without leading and trailing blanks (0x20 only).
std::string TrimBlanks(const std::string& s);

// Display label of a name already trimmed: a long name loses its leading number
// ("(99942) Apophis" -> "Apophis"); a name of at most 10 characters is its own label.
std::string BodyLabel(const std::string& name);

// The names of body slots 0..CATALOG_LAST_INDEX, exactly as read.
std::vector<std::string> BodyListItems(const BodyCatalog& catalog);

// First slot in 0..lastIndex whose name equals name byte for byte; -1 when none does.
int FindBodyIndex(const BodyCatalog& catalog, const std::string& name);

// Shows the asteroid list and sets selectedIndex, selectedName, currentBody and bodyLabel.
// The row the list hands back decides the body, so each of two bodies of the same name can
// be chosen; without a row the first body of the chosen name is taken.
void ChooseBody(Platform& platform, AppState& state);

}  // namespace moid
