#pragma once
// The mode and flag values the device context's drawing calls take, numbered
// as Windows numbers them so that values stored or ported from there mean the same.
#include <cstdint>

enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// DrawText flags (the Windows values).
enum DrawTextFlag : uint32_t {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_EXPANDTABS = 0x0040,
    DT_NOCLIP = 0x0100,
    DT_EXTERNALLEADING = 0x0200,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
    DT_HIDEPREFIX = 0x100000,
};

// Raster operations of PatBlt and BitBlt (the Windows values).
enum RasterOp : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    PATCOPY = 0x00F00021,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// DrawEdge edges and flags (the Windows values).
enum EdgeFlag : uint32_t {
    BDR_RAISEDOUTER = 0x0001,
    BDR_SUNKENOUTER = 0x0002,
    BDR_RAISEDINNER = 0x0004,
    BDR_SUNKENINNER = 0x0008,
    EDGE_RAISED = 0x0005,
    EDGE_SUNKEN = 0x000A,
    EDGE_ETCHED = 0x0006,
    EDGE_BUMP = 0x0009,
};
enum BorderFlag : uint32_t {
    BF_LEFT = 0x0001,
    BF_TOP = 0x0002,
    BF_RIGHT = 0x0004,
    BF_BOTTOM = 0x0008,
    BF_RECT = 0x000F,
    BF_MIDDLE = 0x0800,
    BF_ADJUST = 0x2000,
};

// DrawIconEx flags.
enum IconDrawFlag : uint32_t { DI_MASK = 0x0001, DI_IMAGE = 0x0002, DI_NORMAL = 0x0003 };
