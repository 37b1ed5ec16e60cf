// The Win32 programming interface of the platform: base types, GDI, USER and
// the kernel services (modules, resources, time, code pages) it offers.
#pragma once

#include "vorwintypes.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
