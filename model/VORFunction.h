// Text routines shared by the grid's editors: the two validators that decide
// whether a text may stand while the user types a number, and the splitter
// of a combo cell's choice string.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class AFX_EXT_CLASS CVORFunction {
public:
    CVORFunction();
    CVORFunction(const CVORFunction& other);
    virtual ~CVORFunction();

    CVORFunction& operator=(const CVORFunction& other);

    // 1 when str is an integer being typed: an optional sign, then nothing,
    // a single 0, or a non-zero digit and further digits. Else 0.
    static int IsInputNum(const CString& str);

    // 1 when str is a real number being typed: as IsInputNum, optionally
    // followed by one decimal point and digits. No exponent. Else 0.
    static int IsInputReal(const CString& str);

    // Appends the pieces of str between "\r\n" separators to array. Empty
    // pieces between separators are kept; an empty rest after the last
    // separator is not.
    static void StringToStringArray(const CString& str, CStringArray& array);
};
