// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QRect>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace platform {

// At a fractional screen scale a line one logical pixel wide falls between
// device pixels: smeared over two faint rows, or clipped away altogether.
// Lines and borders are therefore laid out in whole device pixels: ends
// rounded to the nearest pixel everywhere, so lines that meet still meet, and
// at least one device pixel wide.
struct DevicePixels {
    explicit DevicePixels(const QPainter &painter)
        : toDevice(painter.deviceTransform())
        , width(std::max(1, qRound(toDevice.m11())))
    {
    }

    // The device pixels wholly inside a logical rectangle.
    QRect inside(const QRect &logical) const
    {
        const QRectF area = toDevice.mapRect(QRectF(logical));
        constexpr double slack = 1e-6;
        return QRect(QPoint(int(std::ceil(area.left() - slack)), int(std::ceil(area.top() - slack))),
                     QPoint(int(std::floor(area.right() + slack)) - 1, int(std::floor(area.bottom() + slack)) - 1));
    }

    void fill(QPainter &painter, const QRect &pixels, const QColor &colour) const
    {
        // Unantialiased, a fill covers exactly the pixels whose centres lie
        // inside, and these edges lie on pixel boundaries.
        painter.fillRect(toDevice.inverted().mapRect(QRectF(pixels)), colour);
    }

    // A frame of the rule width just inside the pixels.
    void frame(QPainter &painter, const QRect &pixels, const QColor &colour) const
    {
        fill(painter, QRect(pixels.left(), pixels.top(), pixels.width(), width), colour);
        fill(painter, QRect(pixels.left(), pixels.bottom() - width + 1, pixels.width(), width), colour);
        fill(painter, QRect(pixels.left(), pixels.top(), width, pixels.height()), colour);
        fill(painter, QRect(pixels.right() - width + 1, pixels.top(), width, pixels.height()), colour);
    }

    QTransform toDevice;
    int width;
};

} // namespace platform
