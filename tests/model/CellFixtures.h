// Cells filled with a known value in every field, shared by the record tests.
#pragma once

#include <gtest/gtest.h>

#include "VORInPlaceListCell.h"

// A cell whose every field differs from its initial value.
inline CVORInPlaceListCell MakeFilledCell() {
    CVORInPlaceListCell cell;
    cell.m_strText = "text";
    cell.m_dwData = 0xDEADBEEF;
    cell.m_nDataFormat = INPLACE_DATA_REAL;
    cell.m_nTextLimit = 12;
    cell.m_nCellType = INPLACE_CELL_COMBOBOX;
    cell.m_dwStyle = 2;
    cell.m_strComboboxString = "a\r\nb";
    return cell;
}

inline void ExpectFilledCell(const CVORInPlaceListCell& cell) {
    EXPECT_STREQ("text", (const char*)cell.m_strText);
    EXPECT_EQ(0xDEADBEEFu, cell.m_dwData);
    EXPECT_EQ(INPLACE_DATA_REAL, cell.m_nDataFormat);
    EXPECT_EQ(12, cell.m_nTextLimit);
    EXPECT_EQ(INPLACE_CELL_COMBOBOX, cell.m_nCellType);
    EXPECT_EQ(2u, cell.m_dwStyle);
    EXPECT_STREQ("a\r\nb", (const char*)cell.m_strComboboxString);
}

inline void ExpectDefaultCell(const CVORInPlaceListCell& cell) {
    EXPECT_TRUE(cell.m_strText.IsEmpty());
    EXPECT_EQ(0u, cell.m_dwData);
    EXPECT_EQ(INPLACE_DATA_CHAR, cell.m_nDataFormat);
    EXPECT_EQ(10000, cell.m_nTextLimit);
    EXPECT_EQ(INPLACE_CELL_READONLY, cell.m_nCellType);
    EXPECT_EQ(0u, cell.m_dwStyle);
    EXPECT_TRUE(cell.m_strComboboxString.IsEmpty());
}
