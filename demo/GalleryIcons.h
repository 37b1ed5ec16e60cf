// The gallery's pictures: 16 x 16 icons drawn from small character maps, for
// the toolbar buttons and the rows of the order sheet.
#pragma once

#include <windows.h>

namespace gallery {

enum IconId {
    kIconEdit,
    kIconEditHot,
    kIconHide,
    kIconHideHot,
    kIconAdd,
    kIconAddHot,
    kIconUp,
    kIconUpHot,
    kIconDown,
    kIconDownHot,
    kIconBox,     // row images
    kIconTool,
    kIconPaint,
    kIconCount
};

// A new icon the caller owns (DestroyIcon), or NULL.
HICON CreateGalleryIcon(IconId id);

}  // namespace gallery
