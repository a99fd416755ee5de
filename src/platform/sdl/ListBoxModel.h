#pragma once
#include <string>
#include <vector>

namespace moid::sdl {

// What a list box knows apart from its looks: which items it shows, which one is selected,
// which rows are in view, and the text typed to search. Keys arrive as key-buffer entries
// (platform/Keys.h).
//
// Only the items up to the last non-empty one are shown: a catalogue's unfilled slots at
// the end are not offered as thousands of blank rows.
class ListBoxModel {
 public:
  enum class Outcome { Open, Chosen, Cancelled };

  explicit ListBoxModel(const std::vector<std::string>& items);

  // How many rows the box shows at once (at least 1).
  void SetPageRows(int rows);
  int PageRows() const { return pageRows_; }

  int Count() const { return count_; }
  int Selected() const { return selected_; }  // -1 when nothing is shown
  int Top() const { return top_; }            // first row in view
  const std::string& ItemText(int index) const { return (*items_)[static_cast<std::size_t>(index)]; }
  const std::string& Search() const { return search_; }
  bool SearchFailed() const { return searchFailed_; }

  // Arrows, PgUp/PgDn, Home/End move; Enter chooses; Esc cancels; Backspace shortens the
  // search; a printable byte extends it and selects the best match.
  Outcome OnKey(const std::string& key);

  void Select(int index);              // clamps, scrolls it into view, ends the search
  void ScrollBy(int rows);             // moves the view only (the mouse wheel)
  // The text returned for the selected item ("" when nothing is shown).
  std::string ChosenText() const;

 private:
  void MoveBy(int delta);
  void TypeSearch(char c);
  void EraseSearch();
  void ApplySearch();
  void KeepSelectedInView();
  int MaxTop() const;

  const std::vector<std::string>* items_;
  int count_ = 0;
  int selected_ = -1;
  int top_ = 0;
  int pageRows_ = 1;
  std::string search_;
  bool searchFailed_ = false;
};

// The first item that best matches `search`, ignoring letter case: an item that starts
// with it (leading blanks skipped) before one with a word that starts with it, before one
// that merely contains it. -1 when none does (or the search is empty).
int FindBestMatch(const std::vector<std::string>& items, int count, const std::string& search);

}  // namespace moid::sdl
