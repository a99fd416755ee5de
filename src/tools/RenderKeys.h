#pragma once
#include <optional>
#include <string>
#include <vector>

// The keys that `moidtool render` types, written as words on its command line.
namespace moid::tools {

// One token as the key buffer holds that key: a single character is itself; named keys are
// Space, Enter, Esc, Up, Down, Left, Right, Home, End, PgUp, PgDn, F1 ... F12, LeftClick and
// RightClick (letter case of names ignored). nullopt for anything else.
std::optional<std::string> KeyFromToken(const std::string& token);

// A whitespace-separated list of tokens; nullopt (and the bad token in `bad`) when one is
// not a key.
std::optional<std::vector<std::string>> KeysFromText(const std::string& text, std::string& bad);

}  // namespace moid::tools
