#include "platform/sdl/ListBoxModel.h"

#include <algorithm>

#include "platform/Keys.h"

namespace moid::sdl {
namespace {

// Windows-1252 letters to lower case: ASCII, the Latin-1 capitals and the four capitals
// of the upper control range (Š Œ Ž Ÿ).
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

bool IsWordByte(unsigned char c) {
  const unsigned char f = FoldCase(c);
  return (f >= 'a' && f <= 'z') || (c >= '0' && c <= '9') || c >= 0xC0 || c == 0x9A ||
         c == 0x9C || c == 0x9E || c == 0xFF;
}

std::string Folded(const std::string& text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
  return out;
}

std::size_t FirstNonBlank(const std::string& text) {
  const std::size_t p = text.find_first_not_of(' ');
  return p == std::string::npos ? text.size() : p;
}

// 0: starts with the search; 1: a word starts with it; 2: contains it; 3: no match.
int MatchTier(const std::string& item, const std::string& foldedSearch) {
  const std::string folded = Folded(item);
  const std::size_t start = FirstNonBlank(folded);
  if (folded.compare(start, foldedSearch.size(), foldedSearch) == 0) return 0;
  int tier = 3;
  for (std::size_t p = folded.find(foldedSearch, start); p != std::string::npos;
       p = folded.find(foldedSearch, p + 1)) {
    if (!IsWordByte(static_cast<unsigned char>(folded[p - 1]))) return 1;
    tier = 2;
  }
  return tier;
}

int LastNonEmpty(const std::vector<std::string>& items) {
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    if (!items[static_cast<std::size_t>(i)].empty()) return i;
  }
  return -1;
}

}  // namespace

int FindBestMatch(const std::vector<std::string>& items, int count, const std::string& search) {
  const std::string wanted = Folded(search.substr(FirstNonBlank(search)));
  if (wanted.empty()) return -1;
  count = std::min(count, static_cast<int>(items.size()));
  int best = -1;
  int bestTier = 3;
  for (int i = 0; i < count && bestTier > 0; ++i) {
    const int tier = MatchTier(items[static_cast<std::size_t>(i)], wanted);
    if (tier < bestTier) {
      bestTier = tier;
      best = i;
    }
  }
  return best;
}

ListBoxModel::ListBoxModel(const std::vector<std::string>& items)
    : items_(&items), count_(LastNonEmpty(items) + 1), selected_(count_ > 0 ? 0 : -1) {}

void ListBoxModel::SetPageRows(int rows) {
  pageRows_ = std::max(rows, 1);
  KeepSelectedInView();
}

ListBoxModel::Outcome ListBoxModel::OnKey(const std::string& key) {
  if (key.size() == 1) {
    const auto c = static_cast<unsigned char>(key[0]);
    if (c == keys::ENTER) return Outcome::Chosen;
    if (c == keys::ESC) return Outcome::Cancelled;
    if (c == keys::BACKSPACE) EraseSearch();
    if (c >= 0x20 && c != 0x7F) TypeSearch(key[0]);
    return Outcome::Open;
  }
  if (!keys::IsExtended(key)) return Outcome::Open;
  switch (static_cast<unsigned char>(key[1])) {
    case keys::SCAN_UP: MoveBy(-1); break;
    case keys::SCAN_DOWN: MoveBy(1); break;
    case keys::SCAN_PGUP: MoveBy(-pageRows_); break;
    case keys::SCAN_PGDN: MoveBy(pageRows_); break;
    case keys::SCAN_HOME: Select(0); break;
    case keys::SCAN_END: Select(count_ - 1); break;
    default: break;
  }
  return Outcome::Open;
}

void ListBoxModel::Select(int index) {
  search_.clear();
  searchFailed_ = false;
  if (count_ == 0) return;
  selected_ = std::clamp(index, 0, count_ - 1);
  KeepSelectedInView();
}

void ListBoxModel::ScrollBy(int rows) { top_ = std::clamp(top_ + rows, 0, MaxTop()); }

std::string ListBoxModel::ChosenText() const {
  return selected_ >= 0 ? ItemText(selected_) : std::string();
}

void ListBoxModel::MoveBy(int delta) {
  if (count_ == 0) return;
  Select(selected_ + delta);
}

void ListBoxModel::TypeSearch(char c) {
  search_ += c;
  ApplySearch();
}

void ListBoxModel::EraseSearch() {
  if (search_.empty()) return;
  search_.pop_back();
  ApplySearch();
}

void ListBoxModel::ApplySearch() {
  const int found = FindBestMatch(*items_, count_, search_);
  searchFailed_ = found < 0 && search_.find_first_not_of(' ') != std::string::npos;
  if (found < 0) return;
  selected_ = found;
  KeepSelectedInView();
}

void ListBoxModel::KeepSelectedInView() {
  if (selected_ >= 0) {
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + pageRows_) top_ = selected_ - pageRows_ + 1;
  }
  top_ = std::clamp(top_, 0, MaxTop());
}

int ListBoxModel::MaxTop() const { return std::max(count_ - pageRows_, 0); }

}  // namespace moid::sdl
