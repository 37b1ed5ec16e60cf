// The button control's window class ("Button"), registered with the other
// stock controls.
#pragma once

namespace vor::controls {
void RegisterButtonClass();
}
