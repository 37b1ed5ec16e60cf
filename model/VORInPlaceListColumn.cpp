#include "VORInPlaceListColumn.h"

CVORInPlaceListColumn::CVORInPlaceListColumn() : m_nFormat(0), m_nWidth(100), m_nRealColumn(-1) {}

CVORInPlaceListColumn::CVORInPlaceListColumn(const CVORInPlaceListColumn& column)
    : m_strHeading(column.m_strHeading),
      m_nFormat(column.m_nFormat),
      m_nWidth(column.m_nWidth),
      m_nRealColumn(column.m_nRealColumn) {}

CVORInPlaceListColumn::~CVORInPlaceListColumn() {}

CVORInPlaceListColumn& CVORInPlaceListColumn::operator=(const CVORInPlaceListColumn& column) {
    if (this != &column) {
        m_strHeading = column.m_strHeading;
        m_nFormat = column.m_nFormat;
        m_nWidth = column.m_nWidth;
        m_nRealColumn = column.m_nRealColumn;
    }
    return *this;
}
