#pragma once
#include <string>

// The program's texts are Windows-1252 bytes; SDL's text input is UTF-8.
namespace moid::sdl {

// Characters Windows-1252 has become their byte (the C1 controls U+0081, U+008D, U+008F,
// U+0090 and U+009D become the unassigned bytes of the same number); others, and malformed
// or overlong sequences, are dropped.
std::string Utf8ToCp1252(const std::string& utf8);

}  // namespace moid::sdl
