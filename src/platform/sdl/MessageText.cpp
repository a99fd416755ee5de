#include "platform/sdl/MessageText.h"

namespace moid::sdl {
namespace {

void AppendTab(std::string& line, int tabWidth) {
  const auto width = static_cast<std::size_t>(tabWidth > 0 ? tabWidth : 1);
  line.append(width - line.size() % width, ' ');
}

}  // namespace

std::vector<std::string> MessageLines(const std::string& text, int tabWidth) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == 't' || text[i + 1] == 'n')) {
      c = text[++i] == 't' ? '\t' : '\n';
    }
    if (c == '\n') {
      lines.emplace_back();
    } else if (c == '\t') {
      AppendTab(lines.back(), tabWidth);
    } else if (c != '\r') {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace moid::sdl
