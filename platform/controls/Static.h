// The static control's window class ("Static"), registered with the other
// stock controls.
#pragma once

namespace vor::controls {
void RegisterStaticClass();
}
