// Resource ids of the VORLib10 module (language 2052, Chinese (PRC)).
#pragma once

// Splitter cursors, 32 x 32 monochrome, hotspot (16, 16).
#define IDC_VOR_SPLIT_UPDOWN 118     // horizontal double bar, arrows up and down
#define IDC_VOR_SPLIT_LEFTRIGHT 120  // vertical double bar, arrows left and right

#define VS_VERSION_INFO 1

// The language of every resource of the module.
#define VOR_LIB_RESOURCE_LANGUAGE 0x0804  // MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)

// RT_CURSOR entries of the two groups.
#define VOR_CURSOR_IMAGE_SPLIT_UPDOWN 1
#define VOR_CURSOR_IMAGE_SPLIT_LEFTRIGHT 2
