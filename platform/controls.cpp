// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include <QAccessibleWidget>
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

double ContrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The colour itself when it reaches the ratio against the background;
// otherwise the colour mixed with black or white, whichever the background
// leaves more room for, just far enough to reach it. Red stays a red: darker
// on a light background, lighter on a dark one.
QColor legible(const QColor &colour, const QColor &background, double ratio)
{
    if (ContrastRatio(colour, background) >= ratio)
        return colour;
    const QColor extreme = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                               ? QColor(Qt::black)
                               : QColor(Qt::white);
    const auto mix = [&](int step) {
        const auto channel = [step](int from, int to) { return from + (to - from) * step / 255; };
        return QColor(channel(colour.red(), extreme.red()), channel(colour.green(), extreme.green()),
                      channel(colour.blue(), extreme.blue()));
    };
    int low = 0, high = 255;
    while (low < high) {
        const int step = (low + high) / 2;
        if (ContrastRatio(mix(step), background) >= ratio)
            high = step;
        else
            low = step + 1;
    }
    return mix(high);
}

// Used scores and totals must read at a glance: 7 to 1. Red previews need
// 4.5 to 1; a little more keeps the thin, antialiased strokes of small digits
// above that too.
constexpr double PlainContrast = 7.0;
constexpr double RedContrast = 5.0;
// Lines and borders are not text: 3 to 1 lets them be seen.
constexpr double RuleContrast = 3.0;

// The theme's text colour as lines, borders and black text show it.
QColor plainColour(const QPalette &palette)
{
    return legible(palette.color(QPalette::WindowText), palette.color(QPalette::Window), PlainContrast);
}

// A colour value as it shows on a palette's window background.
QColor shownColour(std::uint32_t value, const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    if (value == vbBlack)
        return plainColour(palette);
    if (value == vbRed)
        return legible(QColor(255, 0, 0), background, RedContrast);
    return legible(FromColorValue(value), background, PlainContrast);
}

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

// Labels paint on their parent's background; a theme's text colour is read
// from the parent too, as a label's own palette may carry its colour value.
const QPalette &surroundings(const QWidget *widget)
{
    return widget->parentWidget() ? widget->parentWidget()->palette() : widget->palette();
}

} // namespace

// -- operable without a mouse ----------------------------------------------------

namespace {

// Labels and picture boxes as assistive technology sees them: named by what
// they show, and, when the player can click them, with a press action that is
// a click.
class ControlAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(object()))
                text = label->text();
        }
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (clickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name != pressAction() || !clickable())
            return QAccessibleWidget::doAction(name);
        if (auto *label = qobject_cast<Label *>(object()))
            label->click();
        else if (auto *picture = qobject_cast<PictureBox *>(object()))
            picture->click();
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == pressAction() && clickable())
            return {u"Space"_s};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    bool clickable() const { return widget()->focusPolicy() != Qt::NoFocus; }
};

QAccessibleInterface *controlAccessible(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1StringView("platform::Label"))
        return new ControlAccessible(widget, QAccessible::StaticText);
    // To a screen reader a picture box is a picture, not an empty panel.
    if (className == QLatin1StringView("platform::PictureBox"))
        return new ControlAccessible(widget, QAccessible::Graphic);
    return nullptr;
}

void installControlAccessible()
{
    static const bool installed = (QAccessible::installFactory(controlAccessible), true);
    Q_UNUSED(installed);
}

// Space or Enter on a control that the player can click.
bool isClickKey(const QWidget *widget, const QKeyEvent *event)
{
    const int key = event->key();
    return widget->focusPolicy() != Qt::NoFocus &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool canBeClicked(const QWidget *widget) { return widget->isVisible() && widget->isEnabled(); }

// Where the focus is: a bold dashed square just inside the control, in the
// window's text colour whatever the control's own. Neither the hold marker (a
// solid rounded frame in the highlight colour around the die) nor a score
// box's thin border or red or black score looks like it.
void paintFocusFrame(QPainter &painter, const QWidget *widget)
{
    if (!widget->hasFocus())
        return;
    const QPalette &around = surroundings(widget);
    const QRectF frame = QRectF(widget->rect()).adjusted(2, 2, -2, -2);
    // The gaps between the dashes are in the window's colour: on a dark
    // theme the dashes are light, and a die's white face would swallow them.
    painter.setPen(QPen(around.color(QPalette::Window), 2));
    painter.drawRect(frame);
    QPen pen(plainColour(around), 2);
    pen.setCapStyle(Qt::FlatCap); // square caps would close the gaps
    pen.setDashPattern({1.5, 1.5});
    painter.setPen(pen);
    painter.drawRect(frame);
}

} // namespace

// -- Label ------------------------------------------------------------------

Label::Label(QWidget *parent, const QRect &geometry)
    : QLabel(parent)
{
    installControlAccessible();
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

void Label::setClickable(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

void Label::click()
{
    if (canBeClicked(this))
        emit Click();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    if (!isClickKey(this, event))
        return QLabel::keyPressEvent(event);
    // A key held down clicks once, not at the keyboard's repeat rate.
    if (!event->isAutoRepeat())
        click();
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

void Label::paintEvent(QPaintEvent *)
{
    // As QLabel paints plain text, in the colour the value stands for.
    QPainter painter(this);
    const QPalette &around = surroundings(this);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shownColour(ForeColor(), around));
    const QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const int flags =
        int(QStyle::visualAlignment(layoutDirection(), alignment())) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, colours, isEnabled(), text(), QPalette::WindowText);
    if (border_) {
        const DevicePixels pixels(painter);
        pixels.frame(painter, pixels.inside(rect()), plainColour(around));
    }
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
{
    installControlAccessible();
    setGeometry(geometry);
}

void PictureBox::setClickable(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

void PictureBox::click()
{
    if (canBeClicked(this))
        emit Click();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (!isClickKey(this, event))
        return QWidget::keyPressEvent(event);
    // A key held down clicks once, not at the keyboard's repeat rate.
    if (!event->isAutoRepeat())
        click();
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
    QPainter painter(this);
    if (!picture_.isNull()) {
        const QSize size = picture_.deviceIndependentSize().toSize();
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.drawPixmap(target, picture_);
    }
    paintFocusFrame(painter, this);
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
