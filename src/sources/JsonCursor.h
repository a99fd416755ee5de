#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A reading position in JSON text, with the few reads a table export needs.
namespace moid::sources {

class JsonCursor {
 public:
  explicit JsonCursor(std::string_view text);

  void SkipSpace();
  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next byte, or NUL at the end.
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  // Skips white space; then consumes `c` and returns true when it comes next.
  bool Consume(char c);

  // A string at the cursor, escapes resolved (\uXXXX as UTF-8); nullopt, with the cursor
  // somewhere inside, when it is malformed or cut off.
  std::optional<std::string> String();
  // A string, number, true or false as its text, or null as nullopt; the outer nullopt when
  // no such value is at the cursor.
  std::optional<std::optional<std::string>> Scalar();
  // Passes over one value of any kind; false when it is malformed or cut off.
  bool SkipValue();
  // From an opening bracket or brace to just after its partner, strings passed over; false
  // when the text ends first.
  bool SkipBalanced();
  // Forward to the next '[' or ']' outside strings (left at the cursor); false when none.
  bool SkipToBracket();

  std::size_t Offset() const { return pos_; }
  void Seek(std::size_t offset) { pos_ = offset; }
  // 1-based line of the cursor.
  int Line();

 private:
  std::optional<std::string> Number();
  bool SkipStringLeniently();
  bool ReadEscape(std::string& out);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t countedTo_ = 0;  // lines are counted up to this offset
  int linesBefore_ = 0;        // line breaks before countedTo_
};

}  // namespace moid::sources
