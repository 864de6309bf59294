// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/timer.h"

namespace platform {

Timer::Timer(QObject *parent, int interval)
    : QObject(parent)
{
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::setEnabled(bool on)
{
    if (on && !timer_.isActive())
        timer_.start();
    else if (!on)
        timer_.stop();
}

} // namespace platform
