// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace platform {

int Px(int twips) { return qRound(twips / double(TwipsPerPixel)); }

QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

std::uint32_t ToColorValue(const QColor &color)
{
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

QColor FromColorValue(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

// -- Label ------------------------------------------------------------------

Label::Label(QWidget *parent, const QRect &geometry)
    : QLabel(parent)
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

void Label::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    showCaption();
}

void Label::showCaption()
{
    if (!wordWrap()) {
        setText(caption_);
        return;
    }
    static const QRegularExpression phraseBreak(u" {2,}"_s);
    setText(QString(caption_).replace(phraseBreak, u"\n"_s));
}

std::uint32_t Label::ForeColor() const { return ToColorValue(palette().color(QPalette::WindowText)); }

void Label::setForeColor(std::uint32_t value)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, FromColorValue(value));
    setPalette(p);
}

void Label::setSingleBorder(bool on)
{
    border_ = on;
    setContentsMargins(on ? QMargins(2, 1, 2, 1) : QMargins());
    update();
}

void ClickDetector::press(const QMouseEvent *event) { pressed_ = event->button() == Qt::LeftButton; }

bool ClickDetector::release(const QWidget *widget, const QMouseEvent *event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
    pressed_ = false;
    return click;
}

void Label::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = click_.release(this, event);
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!border_)
        return;
    QPainter painter(this);
    painter.setPen(QPalette().color(QPalette::Active, QPalette::Text));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

namespace {

// To a screen reader a picture box is a picture, not an empty panel.
QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView("platform::PictureBox") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent, const QRect &geometry)
    : QWidget(parent)
{
    static const bool registered = (QAccessible::installFactory(pictureBoxAccessible), true);
    Q_UNUSED(registered);
    setGeometry(geometry);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::mousePressEvent(QMouseEvent *event) { click_.press(event); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(this, event))
        emit Click();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QSize size = picture_.deviceIndependentSize().toSize();
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(target, picture_);
}

QPixmap LoadPicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString hiDpiName = info.completeBaseName() + u"@2x."_s + info.suffix();
    const bool hiDpi = qApp->devicePixelRatio() > 1.0;

    // Read past QPixmap's cache: a picture replaced on disk shows at once.
    auto tryLoad = [](const QString &path, qreal ratio) {
        // Asked for a file that is not there, QImage would try other names
        // ("Die1.bmp.png", ...) and could show a stray file as a die.
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
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Highlight), 3);
    painter.setPen(pen);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
}

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2)
    : QWidget(parent)
{
    setGeometry(QRect(QPoint(Px(std::min(x1, x2)), Px(std::min(y1, y2))),
                      QPoint(Px(std::max(x1, x2)), Px(std::max(y1, y2)))));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    if (width() > height())
        painter.drawLine(0, 0, width() - 1, 0);
    else
        painter.drawLine(0, 0, 0, height() - 1);
}

// -- Timer ------------------------------------------------------------------

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
