#include "sources/JsonCursor.h"

#include <algorithm>

namespace moid::sources {
namespace {

bool IsJsonSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<unsigned> HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

}  // namespace

JsonCursor::JsonCursor(std::string_view text) : text_(text) {}

void JsonCursor::SkipSpace() {
  while (!AtEnd() && IsJsonSpace(text_[pos_])) ++pos_;
}

bool JsonCursor::Consume(char c) {
  SkipSpace();
  if (Peek() != c || AtEnd()) return false;
  ++pos_;
  return true;
}

std::optional<std::string> JsonCursor::String() {
  if (Peek() != '"') return std::nullopt;
  ++pos_;
  std::string out;
  while (!AtEnd()) {
    const char c = text_[pos_++];
    if (c == '"') return out;
    if (c != '\\') {
      out.push_back(c);
    } else if (!ReadEscape(out)) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool JsonCursor::ReadEscape(std::string& out) {
  if (AtEnd()) return false;
  const char e = text_[pos_++];
  constexpr std::string_view PLAIN = "\"\\/bfnrt";
  constexpr std::string_view MEANING = "\"\\/\b\f\n\r\t";
  if (const std::size_t at = PLAIN.find(e); at != std::string_view::npos) {
    out.push_back(MEANING[at]);
    return true;
  }
  if (e != 'u') return false;
  auto hex4 = [this]() -> std::optional<char32_t> {
    if (text_.size() - pos_ < 4) return std::nullopt;
    char32_t unit = 0;
    for (int i = 0; i < 4; ++i) {
      const std::optional<unsigned> digit = HexValue(text_[pos_++]);
      if (!digit) return std::nullopt;
      unit = unit * 16 + *digit;
    }
    return unit;
  };
  const std::optional<char32_t> unit = hex4();
  if (!unit) return false;
  char32_t cp = *unit;
  if (cp >= 0xD800 && cp <= 0xDBFF && text_.substr(pos_, 2) == "\\u") {
    const std::size_t before = pos_;
    pos_ += 2;
    const std::optional<char32_t> low = hex4();
    if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (*low - 0xDC00);
    } else {
      pos_ = before;  // a lone high surrogate; what follows is read on its own
    }
  }
  AppendUtf8(out, cp >= 0xD800 && cp <= 0xDFFF ? REPLACEMENT_CHARACTER : cp);
  return true;
}

std::optional<std::string> JsonCursor::Number() {
  const std::size_t start = pos_;
  auto digits = [this]() {
    const std::size_t from = pos_;
    while (!AtEnd() && IsDigit(text_[pos_])) ++pos_;
    return pos_ > from;
  };
  if (Peek() == '-') ++pos_;
  bool valid = digits();
  if (valid && Peek() == '.') {
    ++pos_;
    valid = digits();
  }
  if (valid && (Peek() == 'e' || Peek() == 'E')) {
    ++pos_;
    if (Peek() == '+' || Peek() == '-') ++pos_;
    valid = digits();
  }
  if (!valid) return std::nullopt;
  return std::string(text_.substr(start, pos_ - start));
}

std::optional<std::optional<std::string>> JsonCursor::Scalar() {
  SkipSpace();
  const char c = Peek();
  if (c == '"') {
    std::optional<std::string> text = String();
    if (!text) return std::nullopt;
    return std::optional<std::string>(std::move(*text));
  }
  if (c == '-' || IsDigit(c)) {
    std::optional<std::string> number = Number();
    if (!number) return std::nullopt;
    return std::optional<std::string>(std::move(*number));
  }
  for (const std::string_view word : {"true", "false", "null"}) {
    if (text_.substr(pos_, word.size()) != word) continue;
    pos_ += word.size();
    if (word == "null") return std::optional<std::string>();
    return std::optional<std::string>(std::string(word));
  }
  return std::nullopt;
}

bool JsonCursor::SkipValue() {
  SkipSpace();
  if (Peek() == '[' || Peek() == '{') return SkipBalanced();
  return Scalar().has_value();
}

bool JsonCursor::SkipStringLeniently() {
  ++pos_;  // the opening quote
  while (!AtEnd()) {
    const char c = text_[pos_++];
    if (c == '"') return true;
    if (c == '\\') ++pos_;
  }
  pos_ = text_.size();
  return false;
}

bool JsonCursor::SkipBalanced() {
  int depth = 0;
  while (!AtEnd()) {
    const char c = text_[pos_];
    if (c == '"') {
      if (!SkipStringLeniently()) return false;
      continue;
    }
    ++pos_;
    if (c == '[' || c == '{') ++depth;
    if ((c == ']' || c == '}') && --depth <= 0) return true;
  }
  return false;
}

bool JsonCursor::SkipToBracket() {
  while (!AtEnd()) {
    const char c = text_[pos_];
    if (c == '[' || c == ']') return true;
    if (c == '"') {
      if (!SkipStringLeniently()) return false;
    } else {
      ++pos_;
    }
  }
  return false;
}

int JsonCursor::Line() {
  const std::size_t target = std::min(pos_, text_.size());
  if (target < countedTo_) {
    countedTo_ = 0;
    linesBefore_ = 0;
  }
  linesBefore_ += static_cast<int>(
      std::count(text_.begin() + static_cast<std::ptrdiff_t>(countedTo_),
                 text_.begin() + static_cast<std::ptrdiff_t>(target), '\n'));
  countedTo_ = target;
  return linesBefore_ + 1;
}

}  // namespace moid::sources
