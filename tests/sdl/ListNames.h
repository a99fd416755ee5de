#pragma once
// A catalogue-like list of names: "(n) Word", each word made of letters from n.
#include <string>
#include <vector>

namespace moid::sdl::test {

inline std::string WordFor(int n) {
  std::string word(1, static_cast<char>('A' + n % 26));
  for (int k = n / 26; k > 0; k /= 26) word += static_cast<char>('a' + k % 26);
  return word + "ia";
}

inline std::string NameFor(int n) { return "(" + std::to_string(n) + ") " + WordFor(n); }

// `bodies` names followed by empty slots up to `slots` items.
inline std::vector<std::string> CatalogueNames(int bodies, int slots) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(slots));
  for (int i = 1; i <= bodies; ++i) names.push_back(NameFor(i));
  names.resize(static_cast<std::size_t>(slots));
  return names;
}

}  // namespace moid::sdl::test
