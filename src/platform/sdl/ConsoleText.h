#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace moid::sdl {

// The text screen of the console: a grid of rows, written line by line from the top.
// A line longer than the width goes on in the next row; writing past the last row
// scrolls the screen up by one row. Bytes are Windows-1252.
class ConsoleText {
 public:
  ConsoleText(int cols, int rows);

  // Keeps the text at the top-left; rows and columns beyond the new size are cut off.
  void Resize(int cols, int rows);
  void Clear();
  void WriteLine(const std::string& text);

  int Cols() const { return cols_; }
  int RowCount() const { return rows_; }
  // The rows written so far (at most RowCount()), top to bottom, each at most Cols() bytes.
  const std::vector<std::string>& Rows() const { return lines_; }
  // The whole lines written since the last Clear, as given (not cut by the width).
  const std::vector<std::string>& Written() const { return written_; }
  // Where the next line starts: column 0 of this row.
  int CursorRow() const;
  // Grows on every change, for redrawing only when something changed.
  std::uint64_t Version() const { return version_; }

 private:
  std::size_t RowsKept() const;
  void AppendRow(std::string row);

  int cols_;
  int rows_;
  std::vector<std::string> lines_;
  std::vector<std::string> written_;
  std::uint64_t version_ = 0;
};

}  // namespace moid::sdl
