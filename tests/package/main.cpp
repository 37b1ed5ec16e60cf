// Uses the grid records and the text routines through the installed
// umbrella header, as a host application would. Exits 0 when every check
// holds, 1 otherwise, naming the failed checks.
#include <VORLib10.h>

#include <cstdio>
#include <cstring>

static int g_nFailures = 0;

static void Check(bool bOk, const char* pszWhat) {
    if (!bOk) {
        std::printf("FAILED: %s\n", pszWhat);
        g_nFailures++;
    }
}

int main() {
    // A row record grows its cells on first access, reading included.
    CVORInPlaceListItem* pItem = new CVORInPlaceListItem;
    pItem->SetCellText(0, "name");
    Check(pItem->GetCellText(3).IsEmpty(), "new cell text is empty");
    Check(pItem->m_arrCells.GetSize() == 4, "reading cell 3 makes four cells");
    Check(pItem->GetListCell(-1) == NULL, "negative index gives no cell");
    Check(pItem->m_nImage == -1 && pItem->m_crBk == 0x00FFFFFF && pItem->m_crText == 0,
          "row defaults");

    CVORInPlaceListCell* pCell = pItem->GetListCell(1);
    CStringArray choices;
    choices.Add(CString("red"));
    choices.Add(CString("green"));
    pCell->SetComboboxString(choices);
    pCell->SetCell(INPLACE_CELL_COMBOBOX, 20, INPLACE_DATA_INT,
                   pCell->m_strComboboxString, 3);
    Check(std::strcmp(pCell->m_strComboboxString, "red\r\ngreen") == 0, "choices joined");
    Check(pCell->m_nTextLimit == 20 && pCell->m_dwStyle == 3, "cell settings stored");

    CVORInPlaceListCell copy;
    pItem->SetCellData(1, 99);
    pItem->GetCell(1, copy);
    Check(copy.m_dwData == 99 && copy.m_nCellType == INPLACE_CELL_COMBOBOX, "cell copied out");
    delete pItem;  // the row takes its cells with it

    CStringArray pieces;
    CVORFunction::StringToStringArray(copy.m_strComboboxString, pieces);
    Check(pieces.GetSize() == 2 && std::strcmp(pieces[1], "green") == 0, "choices split");

    // The host's resource script, compiled into this program.
    char text[64] = "";
    Check(LoadStringA(NULL, 12, text, sizeof(text)) == 22 && std::strcmp(text, "from the host's script") == 0,
          "string from the compiled script");
    Check(FindResourceA(NULL, MAKEINTRESOURCEA(100), RT_DIALOG) != NULL, "dialog from the compiled script");

    CVORInPlaceListColumn column;
    Check(column.m_nWidth == 100 && column.m_nRealColumn == -1, "column defaults");

    Check(CVORFunction::IsInputNum(CString("-450")) == 1, "integer accepted");
    Check(CVORFunction::IsInputNum(CString("012")) == 0, "leading zero refused");
    Check(CVORFunction::IsInputReal(CString("12.")) == 1, "real with trailing point accepted");
    Check(CVORFunction::IsInputReal(CString(".5")) == 0, "point without integer part refused");

    if (g_nFailures == 0)
        std::printf("package check passed\n");
    return g_nFailures == 0 ? 0 : 1;
}
