#pragma once
// Owner-drawn progress bar with ten looks, composed on an off-screen surface
// and copied to the screen in one block. It has no input, no events and no
// timer: what it shows is a pure function of its properties.
//
// Setters that can fail return false (and, when asked, the reason) instead of
// raising; a failed Value mapping keeps the old percentage.
//
// The members are defined a job a file: XP_ProgressBar.cpp (set-up and
// properties), Paint, Bag (stored settings) and Announce (assistive technology).
#include "DeviceContext.h"
#include "FontObject.h"
#include "Picture.h"
#include "PropertyBag.h"
#include "ProgressState.h"
#include "ProgressStatus.h"
#include "ProgressSurface.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>

class XP_ProgressBar : public QWidget {
    Q_OBJECT
public:
    // The colour a new bar starts with: the system highlight colour.
    static constexpr uint32_t kDefaultColor = 0x8000000D;

    explicit XP_ProgressBar(QWidget* parent = nullptr);
    ~XP_ProgressBar() override;

    // --- properties ------------------------------------------------------------
    // Value maps onto the percentage: round((v - Min) * 100 / (Max - Min)), the
    // product checked in 32 bits, halves to even. Reading maps back.
    int32_t Value() const;
    bool SetValue(int32_t value, ProgressStatus* status = nullptr);
    int32_t Max() const { return maxValue_; }
    void SetMax(int32_t value);
    int32_t Min() const { return minValue_; }
    void SetMin(int32_t value);
    // "Returns/sets the color of the ProgressBar": kept resolved to red/green/blue.
    uint32_t Color() const { return resolvedColor_; }
    bool SetColor(uint32_t colorValue, ProgressStatus* status = nullptr);
    int32_t Scrolling() const { return scrolling_; }
    bool SetScrolling(int32_t look, ProgressStatus* status = nullptr);
    int32_t Orientation() const { return orientation_; }
    bool SetOrientation(int32_t orientation, ProgressStatus* status = nullptr);
    bool ShowText() const { return showText_; }
    bool SetShowText(bool show, ProgressStatus* status = nullptr);
    // Write-only, as the hatch style is only ever handed in.
    void SetBrushStyle(int32_t style);
    PicturePtr Image() const { return pattern_; }
    bool SetImage(PicturePtr picture, ProgressStatus* status = nullptr);
    // The font object is shared: reading, setting and assigning all use the same reference.
    std::shared_ptr<FontObject> Font() const { return font_; }
    void SetFont(std::shared_ptr<FontObject> font); // a null font is refused
    // The window whose client rectangle the bar draws (itself unless changed).
    QWidget* hwnd() const { return windowHandle_; }
    void SetHwnd(QWidget* window) { windowHandle_ = window; }
    // The context every drawing step writes to: the off-screen surface (null
    // when none could be made). Setting ignores its argument and prepares the
    // surface again.
    DeviceContext* hdc() { return drawDc_; }
    void SetHdc(DeviceContext* ignored = nullptr);

    // --- methods ---------------------------------------------------------------------
    // The full redraw onto the surface; the screen copy follows at the next paint.
    ProgressStatus DrawProgressBar();
    void DrawLine(int32_t x, int32_t y, int32_t Width, int32_t Height, DeviceContext& cHdc, uint32_t Color);
    // Hosts hand in their own variables: both colours come back translated
    // (a system colour as the plain colour it was drawn in).
    void DrawGradient(uint32_t& lEndColor, uint32_t& lStartcolor, int32_t x, int32_t y, int32_t X2,
                      int32_t Y2, DeviceContext& hdc, bool& bH);
    // Copies a block of the surface to `hdc`; a width or height below 1 stands
    // for the surface's own.
    void pDraw(DeviceContext& hdc, int32_t XSrc, int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc,
               int32_t xDst, int32_t yDst);

    // --- stored settings ----------------------------------------------------------------
    // Keys, order and defaults: Font, BrushStyle 4, Color &H8000000D, Image
    // none, Max 100, Min 0, Orientation 0, Scrolling 0, ShowText False, Value 0.
    ProgressStatus ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // --- for the host and tests ---------------------------------------------------------
    int32_t Percent() const { return percent_; }
    const QImage& Surface() const { return surface_.Image(); }
    QSize SurfaceSize() const { return QSize(surface_.Width(), surface_.Height()); }
    // The bar as it is now: width x height of the control at the screen's
    // device pixel ratio (which the image carries).
    QImage Snapshot() const;
    QString AccessibleText() const;

signals:
    // A stored property changed, so the host knows to save it.
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ProgressStatus Redraw();
    ProgressState DrawState(int32_t width, int32_t height) const;
    bool Finish(ProgressStatus result, ProgressStatus* status);
    bool SurfaceMatchesScreen() const { return surface_.MatchesScreen(devicePixelRatioF()); }
    void NotifyValue();

    uint32_t resolvedColor_ = 0;
    int32_t percent_ = 0;
    bool showText_ = false;
    int32_t scrolling_ = 0;
    int32_t orientation_ = 0;
    int32_t hatchStyle_ = 0;
    PicturePtr pattern_;
    int32_t announcedPercent_ = 0; // what assistive technology was last told
    DeviceContext* drawDc_ = nullptr;
    QPointer<QWidget> windowHandle_;
    int32_t maxValue_ = 100;
    int32_t minValue_ = 0;
    std::shared_ptr<FontObject> font_;
    bool useSurface_ = false;
    ProgressSurface surface_;
};
