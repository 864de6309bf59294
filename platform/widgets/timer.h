// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// While Enabled, one tick per Interval on the user-interface thread.
class Timer : public QObject
{
    Q_OBJECT

public:
    explicit Timer(QObject *parent, int interval);

    bool Enabled() const { return timer_.isActive(); }
    void setEnabled(bool on);
    int Interval() const { return timer_.interval(); }
    void setInterval(int milliseconds) { timer_.setInterval(milliseconds); }

signals:
    void Tick();

private:
    QTimer timer_;
};

} // namespace platform
