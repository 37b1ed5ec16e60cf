// Automation of the platform: what Win32 has no call for, so that tests,
// scripted demos and host applications can drive it without a person.
// Input itself goes through the standard calls (SetCursorPos, mouse_event,
// keybd_event, SendInput) and pixels are read with the standard ones
// (GetDC(NULL), GetPixel, BitBlt, GetDIBits).
#pragma once

#include "windows.h"
#include "vorresource.h"

#ifdef __cplusplus
extern "C" {
#endif

// Destroys every window, frees every platform object, empties the queue,
// clears focus, capture and the message-box log, sets the clock to 0 and the
// cursor to (0, 0): the state of a freshly started process.
VORAPI void VorPlatformReset(void);

// Moves the virtual clock; timers that fall due post WM_TIMER.
VORAPI void VorAdvanceClock(DWORD ms);

// Dispatches every queued and due message (with the framework's
// pre-translation when an application object exists), paints what is
// invalid, and returns how many messages were dispatched.
VORAPI int VorPumpMessages(void);

// Writes the screen, or the part of it given in screen coordinates, as a PNG.
VORAPI BOOL VorSaveScreenPng(const char* path, const RECT* area);

// The message boxes shown since the last reset, oldest first. Headless
// message boxes answer IDOK at once.
VORAPI int VorMessageBoxCount(void);
VORAPI const char* VorMessageBoxText(int i);
VORAPI UINT VorMessageBoxType(int i);

// Live GDI objects of one kind, or of all kinds for VOR_GDI_ALL.
#define VOR_GDI_ALL 0
#define VOR_GDI_DC 1
#define VOR_GDI_BITMAP 2
#define VOR_GDI_PEN 3
#define VOR_GDI_BRUSH 4
#define VOR_GDI_FONT 5
#define VOR_GDI_REGION 6
#define VOR_GDI_ICON 7  // icons and cursors
VORAPI int VorGdiObjectCount(int kind);

// The size of the screen surface; takes effect at the next reset
// (1280 x 1024 unless set).
VORAPI void VorSetScreenSize(int cx, int cy);

// Gives a module (usually the program, GetModuleHandleA(NULL)) its resource
// table; NULL removes it. The table must outlive its use. A library's own
// VorModuleResources export is used when no table was set for it. Kept
// across VorPlatformReset for the program; FALSE for an unknown instance.
VORAPI BOOL VorSetModuleResources(HINSTANCE hInstance, const VOR_RESOURCE_TABLE* table);

// The interactive display: shows the screen in a real desktop window and
// takes the real mouse and keyboard (and the real clock) from then on.
// FALSE when the platform was built without SDL2 (VorDisplayAvailable
// answers FALSE then) or no desktop display could be opened. Call it before
// the first window is created.
//
// The desktop window shows the application's top-level window (the first
// visible, unowned one) at its own size; resizing the desktop window resizes
// that window, and closing it sends that window WM_SYSCOMMAND / SC_CLOSE.
// Frames are presented when the queue goes idle and at least every 16 ms
// while messages keep coming, never in the middle of a WM_PAINT.
VORAPI BOOL VorOpenDisplay(const char* title);
VORAPI BOOL VorDisplayAvailable(void);

// The small-block heap: CString texts of up to about 500 characters, and the
// element storage of the collections up to 512 bytes, live in blocks of
// exact size classes that the framework carves from slabs of its own (a slab
// goes back to operator delete with its last block); larger ones have a
// block from operator new. The observer, when set, is called once for every
// block taken from the small-block heap, with the block's size in bytes,
// before the block is taken. It may throw std::bad_alloc to refuse the
// block: the operation then fails as if operator new had failed (a string
// operation leaves its string as it was). Null (no observer) by default;
// answers the observer it replaces. Tests use it to count and to fail
// allocations.
typedef void (*VORBLOCKOBSERVER)(size_t cbBlock);
VORAPI VORBLOCKOBSERVER VorSetSmallBlockObserver(VORBLOCKOBSERVER pfn);

// The dwExtraInfo that an input source gives a key event whose character it
// delivers itself, as a KEYEVENTF_UNICODE packet (as a desktop's keyboard
// layout and input methods do): TranslateMessage makes no WM_CHAR from such a
// key, so the character arrives once, from its packet.
#define VOR_INPUT_TEXT_APART ((ULONG_PTR)0x564F5254u)

#ifdef __cplusplus
}
#endif
