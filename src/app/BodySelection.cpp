#include "app/BodySelection.h"

#include <algorithm>

namespace moid {

namespace {

constexpr int SHORT_NAME_LENGTH = 10;
constexpr std::size_t DROPPED_PREFIX = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of a leading "(digits) " prefix, 0 when the name does not start with one.
std::size_t NumberPrefixLength(const std::string& name) {
  if (name.empty() || name[0] != '(') return 0;
  std::size_t pos = 1;
  while (pos < name.size() && IsDigit(name[pos])) ++pos;
  if (pos == 1 || pos + 1 >= name.size() || name[pos] != ')' || name[pos + 1] != ' ') return 0;
  return pos + 2;
}

// `row` when the list handed back the row of a body (0..lastIndex) whose name is `answer`;
// -1 otherwise.
int ChosenSlot(const BodyCatalog& catalog, const std::string& answer, int row) {
  const int last = std::min<int>(catalog.lastIndex, static_cast<int>(catalog.bodies.size()) - 1);
  if (row < 0 || row > last) return -1;
  return catalog.bodies[static_cast<std::size_t>(row)].name == answer ? row : -1;
}

}  // namespace

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

std::string BodyLabel(const std::string& name) {
  if (name.size() <= SHORT_NAME_LENGTH) return name;
  // Numbers of any length in brackets: "(99942) Apophis" is labelled "Apophis", not
  // ") Apophis" as a fixed six-character cut would give.
  const std::size_t prefix = NumberPrefixLength(name);
  return TrimBlanks(name.substr(prefix > 0 ? prefix : DROPPED_PREFIX));
}

std::vector<std::string> BodyListItems(const BodyCatalog& catalog) {
  std::vector<std::string> items;
  items.reserve(catalog.bodies.size());
  for (const ElementRecord& body : catalog.bodies) items.push_back(body.name);
  return items;
}

int FindBodyIndex(const BodyCatalog& catalog, const std::string& name) {
  const int last = std::min<int>(catalog.lastIndex, static_cast<int>(catalog.bodies.size()) - 1);
  for (int i = 0; i <= last; ++i) {
    if (catalog.bodies[static_cast<std::size_t>(i)].name == name) return i;
  }
  return -1;
}

void ChooseBody(Platform& platform, AppState& state) {
  const BodyCatalog& catalog = state.catalog;
  platform.console.PresetListSelection(state.selectedIndex);  // the body last chosen
  int row = -1;
  std::string answer =
      platform.console.ConsoleListBox(3, 0, 0, "Please select one Asteroid", "Body Selection",
                                      BodyListItems(catalog), 0, 0, 0, &row);
  int slot = ChosenSlot(catalog, answer, row);
  if (slot < 0 && answer.empty() && catalog.bodies.size() > 1) {
    // Nothing chosen: the second body of the file, by its position.
    answer = catalog.bodies[1].name;
    slot = ChosenSlot(catalog, answer, 1);
  }
  // A toolkit that hands back no row: the first body of that name.
  if (slot < 0) slot = FindBodyIndex(catalog, answer);
  if (slot >= 0) state.selectedIndex = slot;
  state.selectedName = TrimBlanks(answer);
  state.currentBody = catalog.bodies.at(static_cast<std::size_t>(state.selectedIndex));
  state.bodyLabel = BodyLabel(state.selectedName);
}

}  // namespace moid
