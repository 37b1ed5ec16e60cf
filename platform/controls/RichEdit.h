// The window classes of the single-line edit engine: the rich edit control
// ("RichEdit20A" and the 1.0 name "RICHEDIT") and the plain edit control
// ("Edit"), registered with the other stock controls.
#pragma once

namespace vor::controls {
void RegisterRichEditClass();
}
