// The control's window life cycle: size changes, showing and hiding, changes
// of the desktop's palette, and the access key grabbed and delivered as a shortcut.
#include "chameleonButton.h"

#include "AccessKey.h"

#include <QEvent>
#include <QKeySequence>
#include <QResizeEvent>
#include <QShortcutEvent>
#include <QShowEvent>

bool chameleonButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == shortcutId_ && shortcutId_ != 0) {
            AccessKeyPress();
            return true;
        }
    }
    return QWidget::event(event);
}

void chameleonButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeProcedure();
}

void chameleonButton::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (props_.buttonType == Transparent)
        CopyBackground();
    drawingEnabled_ = true;
    DerivePalette();
    // Also lays out and applies the window shape of the style read before showing.
    ResizeProcedure();
}

void chameleonButton::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        drawingEnabled_ = false;
}

void chameleonButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        AmbientChanged();
    // The picture changes sides with the direction.
    if (event->type() == QEvent::LayoutDirectionChange) {
        LayOut();
        Redraw(lookState_.drawnState, true);
    }
}

void chameleonButton::DeriveAccessKey()
{
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    accessKey_ = button::AccessKeyOf(props_.caption);
    if (!accessKey_.isNull()) {
        // The window delivers Alt+key to us as a shortcut event.
        const QKeySequence key = QKeySequence::mnemonic(QStringLiteral("&") + accessKey_);
        if (!key.isEmpty())
            shortcutId_ = grabShortcut(key, Qt::WindowShortcut);
    }
    NotifyAccessibleName();
}

void chameleonButton::AccessKeyPress()
{
    lastButton_ = 1;
    ClickFromSystem();
}
