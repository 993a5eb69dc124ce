#include "chameleonButton.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

chameleonButton::chameleonButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void chameleonButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    update();
}

void chameleonButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void chameleonButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
}

void chameleonButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space)
        emit Click();
    else
        QWidget::keyPressEvent(event);
}
