// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <qnamespace.h>

class QAbstractButton;
class QString;
class QWidget;

namespace platform {

// Teaches assistive technology what our controls and child windows are:
// labels and picture boxes named by what they show and pressable when the
// player can click them, child windows named by their caption and active
// while they are the frame's active child. Call once the application exists.
void InstallAccessibility();

// Has a screen reader say a short text now, wherever the focus is: what a
// key changed away from the focus (the dice after a roll, a score). Screen
// readers speak a notification as it appears, whatever a toolkit puts into
// its events of changed names, so this works alike on every Qt.
void Announce(QWidget *context, const QString &text);

// Puts the focus on a button. A screen reader takes the focus coming back to
// the control it last saw with the focus as no news, and says nothing, even
// when the button has changed meanwhile (the roll button, once its turn has
// been passed by a key on the button itself): the button is then announced
// as the screen reader says a button the focus comes to.
void FocusButton(QAbstractButton *button, Qt::FocusReason reason);

} // namespace platform
