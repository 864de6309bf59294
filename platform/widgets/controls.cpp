// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/controls.h"

#include "platform/widgets/pixels.h"

#include <QAccessible>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace platform {

namespace {
double layoutScale = 1.0;
} // namespace

double LayoutScale() { return layoutScale; }

void SetLayoutScale(double scale) { layoutScale = std::max(1.0, scale); }

int Px(int twips) { return qRound(twips * layoutScale / TwipsPerPixel); }

int Twips(int pixels) { return qRound(pixels * TwipsPerPixel / layoutScale); }

QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

// -- Label ------------------------------------------------------------------

Label::Label(QWidget *parent, const QRect &geometry)
    : QLabel(parent)
    , clicks_(this, [this] { emit Click(); })
{
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption)
{
    caption_ = caption;
    showCaption();
}

void Label::setPhraseWrap(bool on)
{
    QLabel::setWordWrap(on);
    showCaption();
}

void Label::showCaption()
{
    if (!wordWrap()) {
        QLabel::setText(caption_);
        fitWidth();
        return;
    }
    static const QRegularExpression phraseBreak(u" {2,}"_s);
    QLabel::setText(QString(caption_).replace(phraseBreak, u"\n"_s));
    fitWidth();
}

void Label::fitWidth()
{
    if (slack_ <= 0)
        return;
    int widest = 0;
    for (const QString &line : text().split(u'\n'))
        if (!wordWrap() || !line.contains(u". "_s))
            widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    const int margins = width() - contentsRect().width();
    resize(std::clamp(widest + margins, laidOutWidth_, laidOutWidth_ + slack_), height());
}

std::uint32_t Label::ForeColor() const { return ToColorValue(palette().color(QPalette::WindowText)); }

void Label::setForeColor(std::uint32_t value)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, FromColorValue(value));
    setPalette(p);
}

void Label::setSlack(int pixels)
{
    slack_ = pixels;
    laidOutWidth_ = width();
    showCaption();
}

void Label::setSingleBorder(bool on)
{
    border_ = on;
    setContentsMargins(on ? QMargins(2, 1, 2, 1) : QMargins());
    update();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    if (!clicks_.key(event))
        QLabel::keyPressEvent(event);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    clicks_.press(event);
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = clicks_.release(event);
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

void Label::paintEvent(QPaintEvent *)
{
    // As QLabel paints plain text, in the colour the value stands for.
    QPainter painter(this);
    const QPalette &around = surroundings(this);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shownColour(ForeColor(), around));
    // A label that is no control of its own gets the focus only as a row the
    // arrow keys move through, and shows it as a selected row does: a frame
    // inside a line of text would cross its letters.
    const bool selectedRow = hasFocus() && focusPolicy() == Qt::NoFocus;
    if (selectedRow) {
        painter.fillRect(rect(), around.color(QPalette::Highlight));
        colours.setColor(QPalette::WindowText, around.color(QPalette::HighlightedText));
    }
    const QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const int flags =
        int(QStyle::visualAlignment(layoutDirection(), alignment())) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, colours, isEnabled(), text(), QPalette::WindowText);
    if (border_) {
        const DevicePixels pixels(painter);
        pixels.frame(painter, pixels.inside(rect()), plainColour(around));
    }
    if (!selectedRow)
        paintFocusFrame(painter, this);
}

// -- CommandButton --------------------------------------------------------------

CommandButton::CommandButton(QWidget *parent, const QRect &geometry, const QString &caption)
    : QPushButton(parent)
    , accessKey_(new QShortcut(parent))
{
    setGeometry(geometry);
    setAutoDefault(false);
    accessKey_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(accessKey_, &QShortcut::activated, this, [this] {
        if (isVisible() && isEnabled())
            click();
    });
    setCaption(caption);
}

void CommandButton::setCaption(const QString &caption)
{
    setText(caption);
    // QAbstractButton grabs the mnemonic for the whole top-level window;
    // ours lives on the button's own window instead.
    setShortcut(QKeySequence());
    accessKey_->setKey(QKeySequence::mnemonic(caption));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // QPushButton takes Enter only in a dialog, where it means the default
    // button; here a button is pressed by either key.
    if (!isPressKey(event) || event->key() == Qt::Key_Space)
        return QPushButton::keyPressEvent(event);
    if (!event->isAutoRepeat())
        click();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(textArea, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

// -- PictureBox -------------------------------------------------------------

PictureBox::PictureBox(QWidget *parent, const QRect &geometry)
    : QWidget(parent)
    , clicks_(this, [this] { emit Click(); })
{
    setGeometry(geometry);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (!clicks_.key(event))
        QWidget::keyPressEvent(event);
}

void PictureBox::setMarker(QWidget *marker)
{
    if (marker_)
        marker_->removeEventFilter(this);
    marker_ = marker;
    if (marker_)
        marker_->installEventFilter(this);
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == marker_ && (type == QEvent::ShowToParent || type == QEvent::HideToParent)) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent change(this, checked);
        QAccessible::updateAccessibility(&change);
    }
    return QWidget::eventFilter(watched, event);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::mousePressEvent(QMouseEvent *event) { clicks_.press(event); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (clicks_.release(event))
        emit Click();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!picture_.isNull()) {
        // A picture grows with the layout, as the box it stands in does.
        const QSize size = (picture_.deviceIndependentSize() * LayoutScale()).toSize();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, LayoutScale() != 1.0);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.drawPixmap(target, picture_);
    }
    paintFocusFrame(painter, this);
}

QPixmap LoadPicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString hiDpiName = info.completeBaseName() + u"@2x."_s + info.suffix();
    const bool hiDpi = qApp->devicePixelRatio() * LayoutScale() > 1.0;

    // Read past QPixmap's cache: a picture replaced on disk shows at once.
    auto tryLoad = [](const QString &path, qreal ratio) {
        // Asked for a file that is not there, QImage would try other names
        // ("Die1.bmp.png", ...) and could show a stray file in its place.
        QImage image;
        if (!QFileInfo::exists(path) || !image.load(path))
            return QPixmap();
        image.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(image);
    };
    // A picture the player put in the working directory wins over ours.
    const QStringList folders{QString(), u":/"_s};
    for (const QString &folder : folders) {
        if (hiDpi) {
            if (QPixmap pixmap = tryLoad(folder + hiDpiName, 2.0); !pixmap.isNull())
                return pixmap;
        }
        if (QPixmap pixmap = tryLoad(folder + fileName, 1.0); !pixmap.isNull())
            return pixmap;
    }
    return {};
}

// -- Shape, Line ----------------------------------------------------------------

Shape::Shape(QWidget *parent, const QRect &geometry)
    : QWidget(parent)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const DevicePixels pixels(painter);
    const QRect outline = pixels.inside(rect());
    const double scale = pixels.toDevice.m11();
    // Three logical pixels wide, a whole number of device pixels, centred on
    // a whole or half pixel so its straight sides cover whole pixels.
    const int width = std::max(1, qRound(3 * scale));
    painter.setWorldTransform(pixels.toDevice.inverted());
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour =
        legible(palette().color(QPalette::Highlight), palette().color(QPalette::Window), RuleContrast);
    painter.setPen(QPen(colour, width));
    const double inset = width / 2.0;
    painter.drawRoundedRect(QRectF(outline).adjusted(inset, inset, -inset, -inset), 5 * scale, 5 * scale);
}

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2)
    : QWidget(parent)
{
    const QPoint from(Px(std::min(x1, x2)), Px(std::min(y1, y2)));
    const QPoint to(Px(std::max(x1, x2)), Px(std::max(y1, y2)));
    constexpr int slack = 2;
    const QRect area = QRect(from, to).adjusted(-slack, -slack, slack, slack);
    setGeometry(area);
    from_ = from - area.topLeft();
    to_ = to - area.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const DevicePixels pixels(painter);
    const QPoint from = pixels.toDevice.map(QPointF(from_)).toPoint();
    const QPoint to = pixels.toDevice.map(QPointF(to_)).toPoint();
    pixels.fill(painter, QRect(from, QSize(to.x() - from.x() + pixels.width, to.y() - from.y() + pixels.width)),
                plainColour(palette()));
}

} // namespace platform
