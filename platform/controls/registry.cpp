// The window classes of the stock controls. USER calls RegisterClasses when
// the platform starts and again after every reset (a reset unregisters every
// class), so each class is registered exactly once per fresh process.
//
// Each stock control registers its class here: one call per control, in the
// control's own file (for example a RegisterListBoxClass() declared in
// ListBox.h), added to the body below.
#include "user/user_internal.h"
#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/Header.h"
#include "controls/ListView.h"
#include "controls/ListBox.h"
#include "controls/RichEdit.h"
#include "controls/Static.h"
#include "controls/ToolTip.h"

namespace vor::controls {

void RegisterClasses()
{
    RegisterButtonClass();
    RegisterRichEditClass();
    RegisterListBoxClass();
    RegisterComboBoxClass();
    RegisterToolTipClass();
    RegisterStaticClass();
    RegisterHeaderClass();
    RegisterListViewClass();
    vor::user::RegisterDialogClass();
}

}  // namespace vor::controls
