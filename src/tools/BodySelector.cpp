#include "tools/BodySelector.h"

#include <algorithm>
#include <vector>

#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr std::size_t MAX_LISTED_CANDIDATES = 12;

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool IsSlotNumber(const std::string& s) {
  return !s.empty() && s.size() <= 9 &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The names of the catalogue's bodies, trimmed, as UTF-8.
std::vector<std::string> DisplayNames(const BodyCatalog& catalog) {
  std::vector<std::string> names;
  for (int i = 0; i <= catalog.lastIndex; ++i)
    names.push_back(TrimBlanks(Windows1252ToUtf8(catalog.bodies[static_cast<std::size_t>(i)].name)));
  return names;
}

std::string ListCandidates(const std::vector<int>& slots, const std::vector<std::string>& names) {
  std::string text;
  const std::size_t shown = std::min(slots.size(), MAX_LISTED_CANDIDATES);
  for (std::size_t i = 0; i < shown; ++i)
    text += "\n  " + std::to_string(slots[i]) + "\t" + names[static_cast<std::size_t>(slots[i])];
  if (slots.size() > shown)
    text += "\n  ... and " + std::to_string(slots.size() - shown) + " more";
  return text;
}

// Slots whose names share the longest case-blind prefix with the selector: the
// suggestions for a name that matched nothing.
std::vector<int> NearestNames(const std::vector<std::string>& names, const std::string& wanted) {
  std::vector<int> best;
  std::size_t bestLength = 1;  // at least one common character
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string name = AsciiLower(names[i]);
    std::size_t n = 0;
    while (n < name.size() && n < wanted.size() && name[n] == wanted[n]) ++n;
    if (n > bestLength) best.clear(), bestLength = n;
    if (n == bestLength) best.push_back(static_cast<int>(i));
  }
  return best;
}

BodySelection Chosen(int index) { return {index, "", false}; }

BodySelection Failed(std::string error) { return {-1, std::move(error), false}; }

BodySelection Ambiguous(const std::string& selector, const std::vector<int>& slots,
                        const std::vector<std::string>& names) {
  return {-1,
          "\"" + selector + "\" names " + std::to_string(slots.size()) +
              " bodies; say which:" + ListCandidates(slots, names),
          true};
}

// The first record of `records` whose name, trimmed, is the trimmed selector, else the first
// whose name contains it without regard to case; null when none does.
const SkippedRecord* FindRecord(const std::vector<SkippedRecord>& records,
                                const std::string& wanted) {
  for (const SkippedRecord& r : records)
    if (TrimBlanks(Windows1252ToUtf8(r.name)) == wanted) return &r;
  const std::string lowered = AsciiLower(wanted);
  for (const SkippedRecord& r : records)
    if (AsciiLower(TrimBlanks(Windows1252ToUtf8(r.name))).find(lowered) != std::string::npos)
      return &r;
  return nullptr;
}

// Why a name that matches no slot has none, when the reader's report knows; "" otherwise.
std::string WhyNotInTheCatalogue(const CatalogReadReport& report, const std::string& wanted) {
  if (const SkippedRecord* r = FindRecord(report.skipped, wanted)) {
    return "\"" + TrimBlanks(Windows1252ToUtf8(r->name)) + "\" (record " +
           std::to_string(r->position) + " of the file) was skipped when it was read: " +
           r->reason;
  }
  if (const SkippedRecord* r = FindRecord(report.unread, wanted)) {
    return "\"" + TrimBlanks(Windows1252ToUtf8(r->name)) + "\" (record " +
           std::to_string(r->position) + " of the file) lies " + r->reason;
  }
  if (report.unreadCount > static_cast<int>(report.unread.size())) {
    return "no body read is named \"" + wanted + "\", and " +
           std::to_string(report.unreadCount) + " records from record " +
           std::to_string(report.firstUnreadPosition) + " on were not read: the catalogue holds " +
           "at most " + std::to_string(CATALOG_LAST_INDEX + 1) + " bodies";
  }
  return "";
}

BodySelection SelectByName(const BodyCatalog& catalog, const std::string& selector,
                           const CatalogReadReport* report) {
  const std::vector<std::string> names = DisplayNames(catalog);
  const std::string wanted = TrimBlanks(selector);
  std::vector<int> exact;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == wanted) exact.push_back(static_cast<int>(i));
  if (exact.size() == 1) return Chosen(exact[0]);
  if (exact.size() > 1) return Ambiguous(selector, exact, names);
  const std::string lowered = AsciiLower(wanted);
  std::vector<int> matches;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (AsciiLower(names[i]).find(lowered) != std::string::npos)
      matches.push_back(static_cast<int>(i));
  if (matches.size() == 1) return Chosen(matches[0]);
  if (matches.size() > 1) return Ambiguous(selector, matches, names);
  if (report != nullptr) {
    if (std::string why = WhyNotInTheCatalogue(*report, wanted); !why.empty()) return Failed(why);
  }
  const std::vector<int> near = NearestNames(names, lowered);
  std::string error = "no body is named \"" + selector + "\"";
  if (!near.empty()) error += "; names that begin alike:" + ListCandidates(near, names);
  return Failed(error);
}

}  // namespace

BodySelection SelectBody(const BodyCatalog& catalog, const std::string& selector,
                         const CatalogReadReport* report) {
  if (catalog.lastIndex < 0) {
    const std::string wanted = TrimBlanks(selector);
    if (report != nullptr && !IsSlotNumber(selector) && !wanted.empty()) {
      if (std::string why = WhyNotInTheCatalogue(*report, wanted); !why.empty())
        return Failed(why);
    }
    return Failed("the catalogue holds no bodies");
  }
  if (IsSlotNumber(selector)) {
    const int index = std::stoi(selector);
    if (index <= catalog.lastIndex) return Chosen(index);
    return Failed("no body in slot " + selector + "; the catalogue's slots run from 0 to " +
                  std::to_string(catalog.lastIndex));
  }
  if (TrimBlanks(selector).empty()) return Failed("an empty body name names no body");
  return SelectByName(catalog, selector, report);
}

}  // namespace moid::tools
