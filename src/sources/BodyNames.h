#pragma once
#include <string>
#include <string_view>

// Body names as source catalogues write them and as ELEMENTS.DAT holds them.
namespace moid::sources {

// The Minor Planet Center's readable form of a JPL full name: "     1 Ceres (A801 AA)" is
// "(1) Ceres", "  5480 (1989 YK8)" is "(5480) 1989 YK8", "       (2020 KQ11)" is "2020 KQ11";
// anything else ("C/2020 F3 (NEOWISE)") is kept as it is, blanks trimmed.
std::string ReadableFromFullName(std::string_view fullName);

// A UTF-8 name as ELEMENTS.DAT can hold it: Windows-1252 bytes, characters that code page
// lacks as '?', control characters as blanks, a double quote as an apostrophe (a field cannot
// hold both), blanks trimmed at both ends.
std::string CatalogName(std::string_view utf8);

// The name field of a record: the name itself, or within double quotes when it holds a comma
// (which would otherwise end the field).
std::string NameField(std::string_view catalogName);

// True when `text` contains `part`, ASCII letters compared without regard to case.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

}  // namespace moid::sources
