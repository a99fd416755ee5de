#pragma once
#include <string>
#include <vector>

namespace moid::sdl {

// The lines a message box shows for its text: the two-character sequences "\t" and "\n"
// (a backslash and a letter) stand for a tab and a line break; real tab and line-break
// bytes mean the same. Tabs advance to the next multiple of `tabWidth` columns.
std::vector<std::string> MessageLines(const std::string& text, int tabWidth = 8);

}  // namespace moid::sdl
