#include "CellTexts.h"

#include <cstdio>
#include <map>
#include <memory>

namespace bench {

CellTexts::CellTexts(int rows) : m_rows(rows), m_chars((size_t)rows * kTextColumns * (kTextLength + 1))
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kTextColumns; ++c) {
            char* out = &m_chars[((size_t)r * kTextColumns + (size_t)c) * (kTextLength + 1)];
            // Column 0 the row number, the others the row and the column.
            if (c == 0)
                std::snprintf(out, kTextLength + 1, "%08d", r % 100000000);
            else
                std::snprintf(out, kTextLength + 1, "%07d%d", r % 10000000, c);
        }
    }
}

const CellTexts& TextsFor(int rows)
{
    static std::map<int, std::unique_ptr<CellTexts>> made;
    std::unique_ptr<CellTexts>& texts = made[rows];
    if (!texts)
        texts = std::make_unique<CellTexts>(rows);
    return *texts;
}

}  // namespace bench
