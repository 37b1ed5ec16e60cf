// The two per-cell settings of the grid: which in-place editor a cell opens
// and how its typed text is validated. Both are stored in the cell record and
// handed to the editors, so they stay 32 bits wide.
#pragma once

enum INPLACE_CELL_TYPE : int {
    INPLACE_CELL_READONLY = 0,  // read-only rich edit: text can be selected, not changed
    INPLACE_CELL_EDIT = 1,      // editable rich edit
    INPLACE_CELL_COMBOBOX = 2,  // combo box; CBS_DROPDOWNLIST or CBS_DROPDOWN from the cell's style
    INPLACE_CELL_BUTTON = 3     // push button
};

enum INPLACE_DATA_FORAMAT : int {
    INPLACE_DATA_CHAR = 0,  // any text
    INPLACE_DATA_INT = 1,   // CVORFunction::IsInputNum
    INPLACE_DATA_REAL = 2   // CVORFunction::IsInputReal
};

static_assert(sizeof(INPLACE_CELL_TYPE) == 4, "cell type is a 32-bit value");
static_assert(sizeof(INPLACE_DATA_FORAMAT) == 4, "data format is a 32-bit value");
