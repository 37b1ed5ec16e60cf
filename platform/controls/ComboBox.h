// The combo box's window class ("ComboBox"), registered with the other
// stock controls. Its drop-down list is a "ComboLBox" (ListBox.h) and its
// edit field an "Edit" (RichEdit.h).
#pragma once

namespace vor::controls {
void RegisterComboBoxClass();
}
