#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace moid {

// Reads the catalogue's fields one after another from its bytes.
//
// The data ends at the physical end or at the first 0x1A byte. A field ends at a comma or a line
// break; a line break is CR, CR LF, or a bare LF (an LF not preceded by CR), so a file saved with
// Unix line endings reads like one saved with CR LF.
// What the last read tolerated without a word: the reader reports it, the value stays as read.
enum class FieldIssue {
  None,
  Missing,         // the data ended before the field: 0 or the empty text
  Empty,           // nothing between the separators: 0 or the empty text
  NotANumber,      // text that does not begin with a number: 0
  Cut,             // a number longer than 255 bytes: the rest starts the next field
  UnclosedQuote,   // the data ends inside the quotes
  TextAfterQuote,  // more text after the closing quote: it starts the next field
};

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view bytes);

  bool AtEnd() const { return pos_ >= data_.size(); }
  FieldIssue LastIssue() const { return issue_; }
  // Bytes after a 0x1A byte that ends the data early, other than blanks, TABs, line breaks
  // and further 0x1A bytes; 0 when the data runs to the physical end.
  std::size_t IgnoredBytesAfterEndMark() const { return ignoredAfterMark_; }
  // A numeric field's value: at most 255 bytes of text, converted as a decimal number.
  double ReadNumber();
  // A text field, quoted or not.
  std::string ReadText();

 private:
  static constexpr std::size_t MAX_NUMBER_BYTES = 255;

  bool IsBareLineFeed(std::size_t at) const;
  void SkipBlanks();
  // After a field: blanks, TABs and stray LFs, then one comma or one line break.
  void ConsumeSeparator();
  // One comma or one line break at the read position, if there is one there.
  void ConsumeCommaOrLineBreak();
  std::string ReadQuotedText();
  std::string ReadPlainText();

  std::string_view data_;
  std::size_t pos_ = 0;
  FieldIssue issue_ = FieldIssue::None;
  std::size_t ignoredAfterMark_ = 0;
};

}  // namespace moid
