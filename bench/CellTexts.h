// The cell texts of the benchmarks: eight characters a cell, made once per
// row count before any timing starts, the same for the grid and the peer, so
// that populating measures the controls and not the formatting of numbers.
#pragma once

#include <cstddef>
#include <vector>

namespace bench {

constexpr int kTextColumns = 8;
constexpr int kTextLength = 8;

class CellTexts {
public:
    explicit CellTexts(int rows);
    int Rows() const { return m_rows; }
    // Null-terminated, kTextLength characters.
    const char* At(int row, int col) const
    {
        return &m_chars[((size_t)row * kTextColumns + (size_t)col) * (kTextLength + 1)];
    }

private:
    int m_rows;
    std::vector<char> m_chars;
};

// The texts of rows rows, made on first use and kept for the program's life.
const CellTexts& TextsFor(int rows);

}  // namespace bench
