#pragma once
#include <string>
#include <string_view>

// Text helpers shared by moidtool's subcommands.
namespace moid::tools {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined become the
// Unicode control characters of the same number.
std::string Windows1252ToUtf8(std::string_view bytes);
// The same conversion in place, of text[from ..] only.
void ConvertTailToUtf8(std::string& text, size_t from);

// The shortest decimal text that reads back as the same double, as std::to_chars writes it.
std::string ShortestNumber(double value);

// A Windows-1252 text in double quotes, as UTF-8, with C escapes: \" \\ \t \n \r, and a
// three-digit octal escape for every other control byte (and the code page's undefined bytes).
std::string QuotedText(std::string_view bytes);
void AppendQuotedText(std::string& out, std::string_view bytes);

}  // namespace moid::tools
