#include "ButtonPicture.h"

#include "ButtonCaption.h"
#include "DrawUtil.h"

namespace button {

namespace {

// The picture as a w x h RGB32 source. A bitmap is used as it is (what lies
// beyond it reads black); an icon is drawn over the mask colour first.
QImage SourceImage(const Picture& picture, int w, int h, Colour mask)
{
    if (picture.IsBitmap() && picture.Image().width() == w && picture.Image().height() == h
        && picture.Image().format() == QImage::Format_RGB32)
        return picture.Image();
    QImage source(w, h, QImage::Format_RGB32);
    DeviceContext sourceDc(source);
    if (picture.IsBitmap()) {
        sourceDc.PatBlt(0, 0, w, h, BLACKNESS);
        sourceDc.BitBlt(0, 0, w, h, picture.Image(), 0, 0, SRCCOPY);
    } else {
        FillSolidRect(sourceDc, Rect{0, 0, w, h}, mask);
        sourceDc.DrawIconEx(0, 0, picture, 0, 0, DI_NORMAL);
    }
    return source;
}

} // namespace

void TransferPicture(DeviceContext& dc, int x, int y, int w, int h, const Picture& picture,
                     const TransferMode& mode)
{
    if (w == 0 || h == 0)
        return;
    if (w < 0)
        w = HimetricToPixels(picture.Width());
    if (h < 0)
        h = HimetricToPixels(picture.Height());
    if (w <= 0 || h <= 0)
        return;
    const QImage source = SourceImage(picture, w, h, mode.mask);
    QImage block = dc.ReadBlock(Rect{x, y, x + w, y + h});
    if (block.format() != QImage::Format_RGB32)
        block = block.convertToFormat(QImage::Format_RGB32);
    if (dc.Grid().IsIdentity()) {
        for (int row = 0; row < h; ++row)
            TransferRow(reinterpret_cast<std::uint32_t*>(block.scanLine(row)),
                        reinterpret_cast<const std::uint32_t*>(source.constScanLine(row)), w, mode);
    } else {
        const QImage covered = CoverageImage(source, block.size(), mode);
        for (int row = 0; row < block.height(); ++row)
            TransferCoveredRow(reinterpret_cast<std::uint32_t*>(block.scanLine(row)),
                               reinterpret_cast<const std::uint32_t*>(covered.constScanLine(row)),
                               block.width(), mode);
    }
    dc.WriteBlock(x, y, block);
}

namespace {

struct PictureDrawer {
    ButtonDrawing& d;

    TransferMode Mode() const
    {
        TransferMode mode;
        mode.useMask = d.props.useMaskColor;
        mode.mask = d.palette.mask;
        return mode;
    }
    void Plain(const Picture& picture, int x, int y) const
    {
        TransferPicture(d.dc, x, y, d.geometry.pictureWidth, d.geometry.pictureHeight, picture, Mode());
    }
    void Silhouette(const Picture& picture, int x, int y, Colour colour, bool darkOnly = false) const
    {
        TransferMode mode = Mode();
        mode.colour = colour;
        mode.darkOnly = darkOnly;
        TransferPicture(d.dc, x, y, d.geometry.pictureWidth, d.geometry.pictureHeight, picture, mode);
    }
    void Grey(const Picture& picture, int x, int y) const
    {
        TransferMode mode = Mode();
        mode.grey = true;
        TransferPicture(d.dc, x, y, d.geometry.pictureWidth, d.geometry.pictureHeight, picture, mode);
    }
    void Blend(const Picture& picture, int x, int y) const
    {
        TransferMode mode = Mode();
        mode.blend = true;
        TransferPicture(d.dc, x, y, d.geometry.pictureWidth, d.geometry.pictureHeight, picture, mode);
    }

    // The effect's silhouettes around the picture, offset by delta.
    void Effect(int delta, const Picture& picture) const
    {
        const int fx = d.props.specialEffect;
        if (fx <= 0)
            return;
        const bool blueGradient = d.Look() == ButtonLook::BlueGradient;
        Colour base = blueGradient ? d.palette.liftedFace : d.palette.face;
        if (!blueGradient && delta == -1 && d.props.colorScheme != 2)
            base = d.palette.hoverFill;
        const int px = d.geometry.layout.px, py = d.geometry.layout.py;
        Silhouette(picture, px + delta + 1, py + delta + 1, d.Shifted(base, fx == 2 ? 40 : -40));
        if (fx == 1 || fx == 2)
            Silhouette(picture, px + delta - 1, py + delta - 1, d.Shifted(base, fx == 2 ? -40 : 40));
    }
};

void DrawDisabledPicture(ButtonDrawing& d, const PictureDrawer& draw, const Picture& normal)
{
    const int px = d.geometry.layout.px, py = d.geometry.layout.py;
    const ButtonLook look = d.Look();
    if (look == ButtonLook::BlueGradient) {
        draw.Grey(normal, px + 1, py + 1);
    } else if (look == ButtonLook::FlatFramed || look == ButtonLook::LightBevel
               || look == ButtonLook::HoverFill) {
        const Colour shadow = d.palette.shadow;
        const Colour shade = look == ButtonLook::HoverFill ? d.Shifted(shadow, 13) : shadow;
        draw.Silhouette(normal, px, py, shade, true);
    } else {
        draw.Silhouette(normal, px + 1, py + 1, d.palette.highlight, true);
        draw.Silhouette(normal, px, py, d.palette.shadow, true);
    }
}

} // namespace

void DrawPicture(ButtonDrawing& d, int pictureState)
{
    const ButtonProperties& props = d.props;
    if (!props.pictureNormal)
        return;
    const Picture& normal = *props.pictureNormal;
    const PictureDrawer draw{d};
    const bool hovered = d.state.hovered;
    const ButtonLook look = d.Look();
    const int px = d.geometry.layout.px, py = d.geometry.layout.py;
    switch (pictureState) {
    case 0:
        if (hovered && look == ButtonLook::HoverFill) {
            draw.Effect(-1, normal);
            draw.Silhouette(normal, px + 1, py + 1, d.palette.shadow);
            draw.Plain(normal, px - 1, py - 1);
        } else if (hovered && props.pictureOver) {
            draw.Effect(0, *props.pictureOver);
            draw.Plain(*props.pictureOver, px, py);
        } else if (hovered) {
            draw.Effect(0, normal);
            draw.Plain(normal, px, py);
        } else {
            draw.Effect(0, normal);
            if (props.useGreyscale)
                draw.Grey(normal, px, py);
            else if (look == ButtonLook::HoverFill)
                draw.Blend(normal, px, py);
            else
                draw.Plain(normal, px, py);
        }
        break;
    case 1:
        if (props.pictureOver && look != ButtonLook::HoverFill) {
            const int offset = look == ButtonLook::FlatFramed ? 0 : 1;
            draw.Plain(*props.pictureOver, px + offset, py + offset);
        } else if (look != ButtonLook::FlatFramed && look != ButtonLook::HoverFill) {
            draw.Effect(1, normal);
            draw.Plain(normal, px + 1, py + 1);
        } else {
            draw.Effect(0, normal);
            draw.Plain(normal, px, py);
        }
        break;
    case 2:
        DrawDisabledPicture(d, draw, normal);
        break;
    default:
        return;
    }
    // Behind the caption the picture covered it, so the caption goes on top
    // again; looks that draw no caption get none here either.
    if (props.picturePosition == 4 && d.captionDrawn)
        DrawCaption(d, d.lastCaptionState, d.lastCaptionBold);
}

} // namespace button
