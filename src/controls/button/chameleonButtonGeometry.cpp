// Where the control's parts go: the caption and picture layout, the focus
// rectangle and window shape of each look, and the background a transparent
// button shows.
#include "chameleonButton.h"

#include "ButtonMeasure.h"
#include "ButtonPicture.h"
#include "ButtonRegion.h"
#include "DeviceGrid.h"

#include <QPainter>

button::Layout chameleonButton::LayOutWith(const FontObject& font) const
{
    button::LayoutInputs in;
    in.width = geometry_.width;
    in.height = geometry_.height;
    in.pictureWidth = geometry_.pictureWidth;
    in.pictureHeight = geometry_.pictureHeight;
    // Right to left the picture goes to the caption's other side, as Qt's own
    // buttons put their icons.
    in.position = props_.picturePosition;
    if (isRightToLeft() && (in.position == 0 || in.position == 1))
        in.position = 1 - in.position;
    in.hasPicture = props_.pictureNormal || props_.pictureOver;
    in.caption = props_.caption;
    // The frame lies just outside the focus rectangle.
    in.inside = geometry_.focusRect;
    InflateRect(in.inside, 1, 1);
    return button::LayOut(in, button::CaptionMeasure(font), geometry_.layout);
}

void chameleonButton::LayOut()
{
    geometry_.layout = LayOutWith(props_.font);
    if (props_.buttonType == HighlightGradient) {
        FontObject bold = props_.font;
        bold.SetBold(true);
        geometry_.boldLayout = LayOutWith(bold);
    } else {
        geometry_.boldLayout = geometry_.layout;
    }
}

void chameleonButton::MeasurePicture()
{
    const PicturePtr& picture = props_.pictureNormal;
    geometry_.pictureWidth = picture ? HimetricToPixels(picture->Width()) : 0;
    geometry_.pictureHeight = picture ? HimetricToPixels(picture->Height()) : 0;
}

void chameleonButton::ResizeProcedure()
{
    if (resizeGuard_)
        return;
    geometry_.width = width();
    geometry_.height = height();
    geometry_.focusRect = Rect{0, 0, geometry_.width, geometry_.height};
    if (props_.buttonType == HighlightGradient) {
        InflateRect(geometry_.focusRect, -5, -5);
        OffsetRect(geometry_.focusRect, 1, 1);
    } else if (props_.buttonType >= ThinRaised && props_.buttonType <= Oval) {
        InflateRect(geometry_.focusRect, -3, -3);
    } else {
        InflateRect(geometry_.focusRect, -4, -4);
    }
    LayOut();
    const Region region = button::RegionForStyle(props_.buttonType, geometry_.width, geometry_.height);
    if (region.IsEmpty())
        clearMask();
    else
        setMask(region.ToQRegion());
    if (geometry_.height != 0)
        Redraw(0, true);
}

void chameleonButton::CopyBackground()
{
    resizeGuard_ = true;
    QWidget* parent = parentWidget();
    if (parent && width() > 0 && height() > 0) {
        // The parent alone, without its children, under our rectangle: what
        // shows through a transparent button.
        QImage copy = DeviceGrid::MakeImage(width(), height(), devicePixelRatioF());
        copy.fill(parent->palette().color(QPalette::Window));
        QPainter painter(&copy);
        parent->render(&painter, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
        painter.end();
        background_ = copy;
    }
    resizeGuard_ = false;
}
