#include "tools/RenderKeys.h"

#include <sstream>
#include <string_view>

#include "platform/Keys.h"

namespace moid::tools {
namespace {

struct NamedKey {
  std::string_view name;
  std::string key;
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

const std::vector<NamedKey>& NamedKeys() {
  static const std::vector<NamedKey> named = [] {
    std::vector<NamedKey> k = {
        {"space", " "},
        {"enter", keys::Ordinary(keys::ENTER)},
        {"esc", keys::Ordinary(keys::ESC)},
        {"up", keys::Extended(keys::SCAN_UP)},
        {"down", keys::Extended(keys::SCAN_DOWN)},
        {"left", keys::Extended(keys::SCAN_LEFT)},
        {"right", keys::Extended(keys::SCAN_RIGHT)},
        {"home", keys::Extended(keys::SCAN_HOME)},
        {"end", keys::Extended(keys::SCAN_END)},
        {"pgup", keys::Extended(keys::SCAN_PGUP)},
        {"pgdn", keys::Extended(keys::SCAN_PGDN)},
        {"leftclick", keys::MousePress(keys::MOUSE_LEFT)},
        {"rightclick", keys::MousePress(keys::MOUSE_RIGHT)},
        {"f11", keys::Extended(keys::SCAN_F11)},
        {"f12", keys::Extended(keys::SCAN_F12)},
    };
    static const char* const F_NAMES[] = {"f1", "f2", "f3", "f4", "f5",
                                          "f6", "f7", "f8", "f9", "f10"};
    for (int n = 0; n < 10; ++n) {
      k.push_back({F_NAMES[n], keys::Extended(static_cast<unsigned char>(keys::SCAN_F1 + n))});
    }
    return k;
  }();
  return named;
}

}  // namespace

std::optional<std::string> KeyFromToken(const std::string& token) {
  if (token.size() == 1) return token;
  const std::string lower = Lower(token);
  for (const NamedKey& k : NamedKeys()) {
    if (k.name == lower) return k.key;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> KeysFromText(const std::string& text, std::string& bad) {
  std::istringstream words(text);
  std::vector<std::string> out;
  for (std::string token; words >> token;) {
    const std::optional<std::string> key = KeyFromToken(token);
    if (!key) {
      bad = token;
      return std::nullopt;
    }
    out.push_back(*key);
  }
  return out;
}

}  // namespace moid::tools
