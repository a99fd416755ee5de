#pragma once
#include <string>

namespace moid {

// The program's texts are Windows-1252 bytes; the font renderer wants UTF-8. Bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Cp1252ToUtf8(const std::string& bytes);

}  // namespace moid
