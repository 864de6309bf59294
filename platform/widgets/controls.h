// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/widgets/clicks.h"
#include "platform/widgets/colours.h"
// A form's timer is one of its controls, as its labels and buttons are.
#include "platform/widgets/timer.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include <cstdint>

class QShortcut;

namespace platform {

// Window measures are twips: 1440 to the inch, 15 to a logical pixel at the
// font the layouts were measured for. With a larger font every measure grows
// by the layout scale (see SetUpApplication), so the words fit as they did.
constexpr int TwipsPerPixel = 15;
double LayoutScale();
void SetLayoutScale(double scale);
int Px(int twips);
int Twips(int pixels);
QRect TwipsRect(int left, int top, int width, int height);

// A text label. Its text colour and caption are the state the program reads
// back, so both are plain properties here, and the caption is the only way to
// set its text. The optional single border is drawn in the
// window's frame colour, whatever the text colour.
//
// The colour value is what the program means, not the paint: black shows in the
// desktop theme's own text colour and red in a red that reads on the theme's
// background, light or dark; a label without a colour of its own follows the
// theme.
//
// A label the player clicks can also be made operable without a mouse
// (setClickable, see Clicks): a dashed frame shows while it has the focus,
// and assistive technology can press it.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent, const QRect &geometry = {});

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);
    // A wrapping label puts each phrase of its caption on a line of its own;
    // phrases are separated by runs of two or more blanks, and font widths
    // must not decide where the lines break.
    void setPhraseWrap(bool on);
    std::uint32_t ForeColor() const;
    void setForeColor(std::uint32_t value);
    void setSingleBorder(bool on);
    // The window was laid out for the English words: where another
    // language's caption is wider, the label widens to the right by what it
    // lacks, by `pixels` at most; a caption that fits keeps the laid-out
    // width exactly. A wrapping label widens for its widest phrase, but not
    // for one of several sentences, which wraps by design.
    void setSlack(int pixels);
    void setClickable(bool on) { clicks_.setClickable(on); }
    // What a click does, if a click could reach the label now.
    void click() { clicks_.click(); }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The text is the caption's, laid out in phrases when the label wraps.
    using QLabel::clear;
    using QLabel::setNum;
    using QLabel::setText;
    using QLabel::setWordWrap;
    void showCaption();
    void fitWidth();

    QString caption_;
    bool border_ = false;
    int slack_ = 0;
    int laidOutWidth_ = 0;
    Clicks clicks_;
};

// A push button whose caption may wrap onto several lines. Space or Enter
// presses it while it has the focus, as they press a clickable label. Its access key
// ("&Roll 1" gives Alt+R) acts only while focus is in the button's own window:
// all child windows share one top-level window, and a key that two windows
// use must not reach the window the player is not looking at.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent, const QRect &geometry, const QString &caption);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QShortcut *accessKey_;
};

// Shows a picture, centred, or nothing. Can be made clickable from the
// keyboard and by assistive technology, as a Label can. A double-click is
// one click: the second press of it is not a click of its own.
//
// A clickable picture box with a marker (setMarker) is a check box to
// assistive technology, checked while the marker shows: the marker is the
// state, and its showing or hiding is told as the check box's change.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent, const QRect &geometry);

    const QPixmap &Picture() const { return picture_; }
    void setPicture(const QPixmap &picture);
    void setClickable(bool on) { clicks_.setClickable(on); }
    // What a click does, if a click could reach the picture box now.
    void click() { clicks_.click(); }
    void setMarker(QWidget *marker);
    QWidget *marker() const { return marker_; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap picture_;
    Clicks clicks_;
    QPointer<QWidget> marker_;
};

// Loads a picture by bare file name from the working directory. When the file
// is missing or unreadable, the copy of the same name built into the program
// is used instead; a null pixmap only when neither exists. On high-density
// screens a "name@2x" variant is preferred where there is one.
QPixmap LoadPicture(const QString &fileName);

// A rectangular outline; it never takes clicks.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent, const QRect &geometry);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A one-pixel horizontal or vertical line between two points given in twips,
// both ends included. The widget reaches a little past the line, so that at
// any screen scale the line's device pixels lie inside it.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QWidget *parent, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_;
};

} // namespace platform
