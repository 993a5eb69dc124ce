// The control's set-up and the calls that make it draw again from scratch:
// its methods Refresh and DisableRefresh and the container's ambient changes.
#include "chameleonButton.h"

namespace {

// The hover check runs while the pointer is over the button only. Leaving is
// reported by the leave event; the timer is the fallback where the pointer's
// position is known, so a slow tick is enough (3 ms would wake the X server
// 333 times a second for nothing).
constexpr int kOverTimerInterval = 50;

} // namespace

chameleonButton::chameleonButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setFont(props_.font.ToQFont());
    overTimer_.setInterval(kOverTimerInterval);
    connect(&overTimer_, &QTimer::timeout, this, &chameleonButton::OverTimerTick);
    DerivePalette();
    LayOut();
}

chameleonButton::~chameleonButton()
{
    drawingEnabled_ = false;
}

void chameleonButton::Refresh()
{
    if (props_.buttonType == Transparent)
        CopyBackground();
    DerivePalette();
    LayOut();
    drawingEnabled_ = true;
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::DisableRefresh()
{
    drawingEnabled_ = false;
}

void chameleonButton::AmbientChanged()
{
    if (props_.colorScheme != CustomColors)
        DerivePalette();
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::SetDisplayAsDefault(bool value)
{
    if (lookState_.displayAsDefault == value)
        return;
    lookState_.displayAsDefault = value;
    AmbientChanged();
}
