// The list box's window classes: "ListBox", and "ComboLBox", the drop-down
// list of a combo box. The drop-down list is the same control with two
// differences: it follows the mouse without a held button (each change of
// item sends LBN_SELCHANGE), and it notifies its owner (the combo box)
// rather than a parent, as a popup window has none.
#pragma once

namespace vor::controls {
void RegisterListBoxClass();
}
