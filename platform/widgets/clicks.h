// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;

namespace platform {

// What makes a label or a picture box clickable. A press and a release of the
// left button, both on the control, are a click. Once made clickable from the
// keyboard, the control joins the tab order, and Space or Enter while it has
// the focus is a click too (a key held down clicks once); only Tab gives it
// the focus, never a click, so for a mouse player nothing changes.
class Clicks
{
public:
    Clicks(QWidget *control, std::function<void()> emitClick);

    void setClickable(bool on);
    bool clickable() const;
    // A click, if one could reach the control now.
    void click() const;
    void press(const QMouseEvent *event);
    // True when this release completes a click.
    bool release(const QMouseEvent *event);
    // True when the key is one that clicks; it has then been acted on.
    bool key(const QKeyEvent *event) const;

private:
    QWidget *control_;
    std::function<void()> emitClick_;
    bool pressed_ = false;
};

// Space or Enter, without modifiers: the keys that click a clickable control
// and press a button.
bool isPressKey(const QKeyEvent *event);

// Where the focus is: a bold dashed square just inside the control, in the
// window's text colour whatever the control's own. Neither a Shape (a solid
// rounded frame in the highlight colour) nor a label's thin border or red or
// black caption looks like it. Paints nothing while the control lacks focus.
void paintFocusFrame(QPainter &painter, const QWidget *widget);

} // namespace platform
