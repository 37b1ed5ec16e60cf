#include "VORInPlaceListCell.h"

CVORInPlaceListCell::CVORInPlaceListCell()
    : m_dwData(0),
      m_nDataFormat(INPLACE_DATA_CHAR),
      m_nTextLimit(10000),
      m_nCellType(INPLACE_CELL_READONLY),
      m_dwStyle(0) {}

CVORInPlaceListCell::CVORInPlaceListCell(const CVORInPlaceListCell& cell)
    : m_strText(cell.m_strText),
      m_dwData(cell.m_dwData),
      m_nDataFormat(cell.m_nDataFormat),
      m_nTextLimit(cell.m_nTextLimit),
      m_nCellType(cell.m_nCellType),
      m_dwStyle(cell.m_dwStyle),
      m_strComboboxString(cell.m_strComboboxString) {}

CVORInPlaceListCell::~CVORInPlaceListCell() {}

CVORInPlaceListCell& CVORInPlaceListCell::operator=(const CVORInPlaceListCell& cell) {
    if (this != &cell) {
        m_strText = cell.m_strText;
        m_dwData = cell.m_dwData;
        m_nDataFormat = cell.m_nDataFormat;
        m_nTextLimit = cell.m_nTextLimit;
        m_nCellType = cell.m_nCellType;
        m_dwStyle = cell.m_dwStyle;
        m_strComboboxString = cell.m_strComboboxString;
    }
    return *this;
}

void CVORInPlaceListCell::Copy(CVORInPlaceListCell& cell) {
    *this = cell;
}

void CVORInPlaceListCell::SetCell(INPLACE_CELL_TYPE nCellType, int nLimit,
                                  INPLACE_DATA_FORAMAT nDataFormat, const char* lpszStrings,
                                  DWORD dwStyle) {
    m_nCellType = nCellType;
    m_nTextLimit = nLimit;
    m_nDataFormat = nDataFormat;
    if (lpszStrings == NULL)
        m_strComboboxString.Empty();
    else
        m_strComboboxString = lpszStrings;
    m_dwStyle = dwStyle;
}

void CVORInPlaceListCell::SetComboboxString(CStringArray& strings) {
    m_strComboboxString.Empty();
    const int nCount = (int)strings.GetSize();
    for (int i = 0; i < nCount; i++) {
        if (i > 0)
            m_strComboboxString += "\r\n";
        m_strComboboxString += strings[i];
    }
}
