// The tooltip control's window class ("tooltips_class32"), registered with
// the other stock controls.
#pragma once

namespace vor::controls {
void RegisterToolTipClass();
}
