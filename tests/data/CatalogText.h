#pragma once
// Small catalogues written out as text for the reader's tests.
#include <string>
#include <vector>

namespace moid::testing {

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineBreak) {
  std::string text;
  for (const std::string& line : lines) text += line + lineBreak;
  return text;
}

inline const std::string REFERENCE_LINE = "2460000.5,0.0167,0.0,102.9,0.0,1.0,357.5,0,Earth";

inline const std::vector<std::string> THREE_BODY_LINES = {
    REFERENCE_LINE,
    "0.2229,10.83,178.9,304.3,1.458,110.8,(433) Eros",
    "0.1911,3.34,126.6,204.4,0.9224,247.0,(99942) Apophis",
    "0.5,1.0,2.0,3.0,2.5,4.0,2020 KQ11",
};

inline std::string Crlf(const std::vector<std::string>& lines) { return JoinLines(lines, "\r\n"); }
inline std::string Lf(const std::vector<std::string>& lines) { return JoinLines(lines, "\n"); }

// A catalogue of `count` drawable bodies named "B1", "B2", ... with e = 0.1 and a = index-based.
inline std::string ManyBodies(int count) {
  std::string text = REFERENCE_LINE + "\r\n";
  for (int i = 1; i <= count; ++i) {
    text += "0.1,2,3,4," + std::to_string(1 + i % 7) + "," + std::to_string(i % 360) + ",B" +
            std::to_string(i) + "\r\n";
  }
  return text;
}

}  // namespace moid::testing
