// The list box's window classes: "ListBox", and "ComboLBox", the drop-down
// list of a combo box. The drop-down list is the same control with these
// differences: it notifies its combo box (given as the creation parameter)
// rather than a parent;
// it follows the mouse without a held button (each change of item sends
// LBN_SELCHANGE); and, holding the capture while open, it reports a release
// over an item, a press outside it and the loss of the capture with the
// private notification codes below.
#pragma once

#include "windows.h"

namespace vor::controls {

constexpr WORD kComboListChosen = 0x7E01;
constexpr WORD kComboListCancel = 0x7E02;
constexpr WORD kComboListCaptureLost = 0x7E03;

void RegisterListBoxClass();

}  // namespace vor::controls
