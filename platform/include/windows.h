// The Win32 programming interface of the platform: base types, the kernel
// services (modules, resources, time, memory, code pages), GDI and USER.
#pragma once

#include "vorwintypes.h"
#include "winbase.h"
#include "winnls.h"
#include "wingdi.h"
#include "wingdi_text.h"
#include "winuser.h"
#include "winuser_draw.h"
#include "winuser_text.h"
#include "winuser_dialog.h"
