#pragma once
#include <sstream>
#include <string>

namespace moid::headless {

// A text argument of a logged call: in double quotes, bytes as given.
struct Quoted {
  const std::string& text;
};

inline void AppendArg(std::ostringstream& out, const Quoted& q) { out << '"' << q.text << '"'; }
inline void AppendArg(std::ostringstream& out, const std::string& s) { out << s; }
template <typename T>
void AppendArg(std::ostringstream& out, const T& v) {
  out << v;
}

// "Name(arg,arg)": one log entry.
template <typename... Args>
std::string FormatCall(const char* name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  [[maybe_unused]] const char* sep = "";
  ((out << sep, AppendArg(out, args), sep = ","), ...);
  out << ')';
  return out.str();
}

}  // namespace moid::headless
