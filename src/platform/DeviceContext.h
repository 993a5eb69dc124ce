#pragma once
// A raster device context on a 32-bit image (QImage::Format_RGB32), with the
// drawing calls of the Windows graphics interface that the owner-drawn
// controls use, pixel for pixel: rectangles are half-open, a line leaves out
// its end point.
//
// Like a fresh Windows memory context it starts with a black one-pixel pen, a
// white brush, black text on a white, opaque background; brush patterns are
// aligned to the image's origin. Pens, brushes and fonts are values; Select*
// and Set* return the previous one, so a helper that changes a selection can
// put the old one back before it returns.
//
// Text goes through QPainter with the selected font; only glyph shapes depend
// on the machine, never where lines and cells go.
//
// Coordinates are logical pixels. On an image whose device pixel ratio is
// above 1 (a HiDPI screen) each logical pixel covers the device pixels the
// DeviceGrid gives it: shapes are scaled, text is drawn by the font at device
// resolution and pictures are scaled smoothly; at ratio 1 nothing is mapped.
//
// The calls are defined a job a file, DeviceContext<job>.cpp: the selections
// (DeviceContext.cpp), Pixels, Fills, Shapes, Lines, Edges, Blits and Text.
#include "Brush.h"
#include "ColorValue.h"
#include "DeviceFlags.h"
#include "DeviceGrid.h"
#include "FontObject.h"
#include "Pen.h"
#include "Picture.h"
#include "Rect.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>

class DeviceContext {
public:
    // Draws on `target`, which must outlive the context; an image of another
    // format is converted to RGB32 in place first. `logical` is the area drawn
    // on, by default the image's size over its device pixel ratio.
    explicit DeviceContext(QImage& target, QSize logical = QSize());
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    QImage& Image() { return *image_; }
    const QImage& Image() const { return *image_; }
    // The logical size drawn on.
    int Width() const { return grid_.LogicalSize().width(); }
    int Height() const { return grid_.LogicalSize().height(); }
    const DeviceGrid& Grid() const { return grid_; }

    // --- selections and state -------------------------------------------------
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    QFont SelectFont(const QFont& font);
    QFont SelectFont(const FontObject& font) { return SelectFont(font.ToQFont()); }
    ColorRef SetTextColor(uint32_t colorValue); // returns the previous colour
    ColorRef SetBkColor(uint32_t colorValue);
    BkMode SetBkMode(BkMode mode);
    QPoint MoveToEx(int x, int y); // returns the previous current position

    // --- pixels ----------------------------------------------------------------
    // Sets one pixel; false outside the image.
    bool SetPixelV(int x, int y, uint32_t colorValue);
    // Block access in place of GetDIBits / SetDIBitsToDevice: a copy of the
    // device pixels of a logical block (clipped to the image; the part outside
    // reads black), and writing such a block back at a logical corner (clipped).
    QImage ReadBlock(const Rect& rect) const;
    void WriteBlock(int x, int y, const QImage& block);

    // --- filled shapes -----------------------------------------------------------
    // FillRect: PatBlt PATCOPY of the rectangle with `brush`; nothing for an
    // empty or inverted rectangle. Returns false when the brush is invalid.
    bool FillRect(const Rect& rect, const Brush& brush);
    // FrameRect: the one-pixel border inside the rectangle, with `brush`.
    bool FrameRect(const Rect& rect, const Brush& brush);
    // PatBlt with the selected brush: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS,
    // WHITENESS. A negative extent covers x+w+1..x as Windows does.
    bool PatBlt(int x, int y, int width, int height, RasterOp rop);
    // Ellipse with the selected pen (widths 1 and 2, solid or inside-frame) and
    // brush; a box of 2 pixels or less across is drawn as a rectangle.
    bool Ellipse(int left, int top, int right, int bottom);

    // --- lines -----------------------------------------------------------------------
    // LineTo with the selected pen from the current position, which moves to (x, y).
    // One-pixel lines leave out their end point; wider pens are drawn as squares
    // of the pen width along the same path.
    bool LineTo(int x, int y);

    // --- edges and focus ---------------------------------------------------------------
    // DrawEdge with the system colours (BF_RECT and its parts, BF_MIDDLE, BF_ADJUST).
    bool DrawEdge(Rect& rect, uint32_t edge, uint32_t flags);
    // DrawFocusRect: the dotted XOR frame; drawing it twice restores the pixels.
    bool DrawFocusRect(const Rect& rect);

    // --- blits -----------------------------------------------------------------------------
    // BitBlt from `source` (SRCCOPY, SRCPAINT, SRCAND, SRCINVERT; the pattern
    // and destination operations ignore the source). Clipped to both images.
    bool BitBlt(int xDst, int yDst, int width, int height, const DeviceContext& source,
                int xSrc, int ySrc, RasterOp rop = SRCCOPY);
    bool BitBlt(int xDst, int yDst, int width, int height, const QImage& source, int xSrc,
                int ySrc, RasterOp rop = SRCCOPY);

    // DrawIconEx: an icon (alpha-blended) or a bitmap picture at (x, y); a width
    // or height of 0 means the picture's own size.
    bool DrawIconEx(int x, int y, const Picture& picture, int width = 0, int height = 0,
                    uint32_t flags = DI_NORMAL);

    // The pixels of a logical area turned left for right, for drawings that run
    // the other way in a right-to-left layout.
    void MirrorHorizontally(const Rect& area);

    // --- text -------------------------------------------------------------------------------
    // DrawText with the flags above. Returns the height of the text; with
    // DT_CALCRECT nothing is drawn and `rect` gets the text's extent.
    int DrawText(const QString& text, Rect& rect, uint32_t flags);

private:
    // The device row as QRgb values (0xFFRRGGBB); nullptr for a row outside.
    QRgb* ScanLine(int y);
    const QRgb* ScanLine(int y) const;
    // Rectangle with the selected pen (outline) and brush (interior).
    bool Rectangle(int left, int top, int right, int bottom);
    QRgb BrushPixel(const Brush& brush, int x, int y, bool* paint) const;
    void PatternRect(const Rect& area, const Brush& brush, RasterOp rop);
    void PatternDevice(const Rect& deviceArea, const Brush& brush, RasterOp rop);
    // Copies device pixels of `src` (same format) clipped to both images.
    void CopyDevice(int dx, int dy, const QImage& src, int sx, int sy, int w, int h, RasterOp rop);

    QImage* image_;
    DeviceGrid grid_;
    Pen pen_;
    Brush brush_;
    QFont font_;
    ColorRef textColor_ = 0x000000;
    ColorRef bkColor_ = 0xFFFFFF;
    BkMode bkMode_ = OPAQUE;
    QPoint position_{0, 0};
};
