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
class FieldScanner {
 public:
  explicit FieldScanner(std::string_view bytes);

  bool AtEnd() const { return pos_ >= data_.size(); }
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
};

}  // namespace moid
