// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/clicks.h"

#include "platform/widgets/colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace platform {

bool isPressKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void paintFocusFrame(QPainter &painter, const QWidget *widget)
{
    if (!widget->hasFocus())
        return;
    const QPalette &around = surroundings(widget);
    const QRectF frame = QRectF(widget->rect()).adjusted(2, 2, -2, -2);
    // The gaps between the dashes are in the window's colour: on a dark
    // theme the dashes are light, and a white picture would swallow them.
    painter.setPen(QPen(around.color(QPalette::Window), 2));
    painter.drawRect(frame);
    QPen pen(plainColour(around), 2);
    pen.setCapStyle(Qt::FlatCap); // square caps would close the gaps
    pen.setDashPattern({1.5, 1.5});
    painter.setPen(pen);
    painter.drawRect(frame);
}

Clicks::Clicks(QWidget *control, std::function<void()> emitClick)
    : control_(control)
    , emitClick_(std::move(emitClick))
{
}

void Clicks::setClickable(bool on) { control_->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

bool Clicks::clickable() const { return control_->focusPolicy() != Qt::NoFocus; }

void Clicks::click() const
{
    if (control_->isVisible() && control_->isEnabled())
        emitClick_();
}

void Clicks::press(const QMouseEvent *event) { pressed_ = event->button() == Qt::LeftButton; }

bool Clicks::release(const QMouseEvent *event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && control_->rect().contains(event->position().toPoint());
    pressed_ = false;
    return click;
}

bool Clicks::key(const QKeyEvent *event) const
{
    if (!clickable() || !isPressKey(event))
        return false;
    if (!event->isAutoRepeat())
        click();
    return true;
}

} // namespace platform
