#include "data/FieldScanner.h"

#include <array>

#include "data/DecimalText.h"

namespace moid {
namespace {

constexpr char BLANK = ' ';
constexpr char TAB = '\t';
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char COMMA = ',';
constexpr char QUOTE = '"';
constexpr char END_OF_DATA = '\x1A';

// The data stops at the first 0x1A byte: nothing consumes that byte, so every read ends there.
std::string_view DataBeforeEndMark(std::string_view bytes) {
  const std::size_t mark = bytes.find(END_OF_DATA);
  return mark == std::string_view::npos ? bytes : bytes.substr(0, mark);
}

std::size_t CountIgnoredAfter(std::string_view bytes, std::size_t from) {
  std::size_t count = 0;
  for (std::size_t i = from; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != BLANK && c != TAB && c != CR && c != LF && c != END_OF_DATA) ++count;
  }
  return count;
}

}  // namespace

FieldScanner::FieldScanner(std::string_view bytes) : data_(DataBeforeEndMark(bytes)) {
  if (data_.size() < bytes.size()) ignoredAfterMark_ = CountIgnoredAfter(bytes, data_.size());
}

bool FieldScanner::IsBareLineFeed(std::size_t at) const {
  return data_[at] == LF && (at == 0 || data_[at - 1] != CR);
}

void FieldScanner::SkipBlanks() {
  while (pos_ < data_.size() && data_[pos_] == BLANK) ++pos_;
}

void FieldScanner::ConsumeCommaOrLineBreak() {
  if (AtEnd()) return;
  const char c = data_[pos_];
  if (c == COMMA || IsBareLineFeed(pos_)) {
    ++pos_;
  } else if (c == CR) {
    ++pos_;
    if (pos_ < data_.size() && data_[pos_] == LF) ++pos_;
  }
}

void FieldScanner::ConsumeSeparator() {
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c != BLANK && c != TAB && !(c == LF && !IsBareLineFeed(pos_))) break;
    ++pos_;
  }
  ConsumeCommaOrLineBreak();
}

double FieldScanner::ReadNumber() {
  issue_ = FieldIssue::None;
  SkipBlanks();
  if (AtEnd()) {
    issue_ = FieldIssue::Missing;
    return 0;
  }
  std::array<char, MAX_NUMBER_BYTES> text;
  std::size_t length = 0;
  bool ended = false;
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == COMMA || c == BLANK || c == CR || IsBareLineFeed(pos_)) {
      ended = true;
      break;
    }
    if (length == MAX_NUMBER_BYTES) break;
    ++pos_;
    if (c != TAB && c != LF) text[length++] = c;
  }
  if (!AtEnd()) ConsumeSeparator();
  const std::string_view number(text.data(), length);
  if (!ended && !AtEnd()) {
    issue_ = FieldIssue::Cut;
  } else if (length == 0) {
    issue_ = FieldIssue::Empty;
  } else if (!BeginsWithNumber(number)) {
    issue_ = FieldIssue::NotANumber;
  }
  return LeadingDecimalValue(number);
}

std::string FieldScanner::ReadText() {
  issue_ = FieldIssue::None;
  SkipBlanks();
  if (AtEnd()) {
    issue_ = FieldIssue::Missing;
    return {};
  }
  if (data_[pos_] == QUOTE) return ReadQuotedText();
  std::string value = ReadPlainText();
  if (value.empty()) issue_ = FieldIssue::Empty;
  return value;
}

std::string FieldScanner::ReadQuotedText() {
  const std::size_t start = pos_ + 1;
  const std::size_t close = data_.find(QUOTE, start);
  if (close == std::string_view::npos) {
    pos_ = data_.size();
    issue_ = FieldIssue::UnclosedQuote;
    return std::string(data_.substr(start));
  }
  pos_ = close + 1;
  ConsumeSeparator();
  // After the separator the next field begins; anything else still on this field is text
  // after the closing quote.
  const char last = data_[pos_ - 1];
  if (!AtEnd() && last != COMMA && last != CR && last != LF) issue_ = FieldIssue::TextAfterQuote;
  return std::string(data_.substr(start, close - start));
}

std::string FieldScanner::ReadPlainText() {
  std::string value;
  std::size_t runStart = pos_;
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == COMMA || c == CR || IsBareLineFeed(pos_)) break;
    if (c == TAB || c == LF) {  // dropped from the value
      value.append(data_.substr(runStart, pos_ - runStart));
      runStart = pos_ + 1;
    }
    ++pos_;
  }
  value.append(data_.substr(runStart, pos_ - runStart));
  ConsumeCommaOrLineBreak();
  return value;
}

}  // namespace moid
