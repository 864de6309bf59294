// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/forms.h"

#include "platform/widgets/controls.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTitleBar>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The title bar of a window the player may not close: its icon shows, but
// there is no close button, and neither spot opens a menu or closes anything.
class NoCloseTitleBar : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
            bar && control == CC_TitleBar) {
            QStyleOptionTitleBar copy = *bar;
            copy.subControls &= ~SC_TitleBarCloseButton;
            copy.activeSubControls &= ~(SC_TitleBarCloseButton | SC_TitleBarSysMenu);
            QProxyStyle::drawComplexControl(control, &copy, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option, const QPoint &pos,
                                     const QWidget *widget) const override
    {
        const SubControl hit = QProxyStyle::hitTestComplexControl(control, option, pos, widget);
        if (control == CC_TitleBar && (hit == SC_TitleBarCloseButton || hit == SC_TitleBarSysMenu))
            return SC_TitleBarLabel;
        return hit;
    }
};

QStyle *noCloseTitleBar()
{
    static NoCloseTitleBar *style = [] {
        // Based on the application's own style, not the desktop's default.
        auto *proxy = new NoCloseTitleBar(QStyleFactory::create(QApplication::style()->name()));
        proxy->setParent(qApp);
        return proxy;
    }();
    return style;
}

// Makes the top-most window the player can see the active one, unless a
// visible window is active already.
void activateTopmostVisible(QMdiArea *area)
{
    QMdiSubWindow *active = area->activeSubWindow();
    if (active && !active->isHidden())
        return;
    const auto windows = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!(*it)->isHidden()) {
            area->setActiveSubWindow(*it);
            return;
        }
    }
}

// The client area of a child window. Tab and Shift+Tab go round its own
// controls: all child windows share one top-level window, whose focus chain
// would otherwise lead through the window's frame into the other windows.
class Client : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    bool focusNextPrevChild(bool next) override
    {
        QWidget *from = QApplication::focusWidget();
        if (!from || !isAncestorOf(from))
            return QWidget::focusNextPrevChild(next);
        for (QWidget *w = step(from, next); w && w != from; w = step(w, next)) {
            if (isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return true;
    }

private:
    static QWidget *step(QWidget *w, bool next) { return next ? w->nextInFocusChain() : w->previousInFocusChain(); }
};

// Lays the client area out at once, so its size is right before the next
// event is handled.
void settle(QMdiSubWindow *window)
{
    if (QLayout *layout = window->layout())
        layout->activate();
}

} // namespace

Form::Form(QMdiArea *area, Design design, QObject *parent)
    : QObject(parent)
    , area_(area)
    , design_(std::move(design))
{
}

Form::~Form()
{
    delete window_;
}

void Form::Load()
{
    if (window_)
        return;
    tag_.clear();

    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (design_.closeBox)
        flags |= Qt::WindowCloseButtonHint;
    window_ = new QMdiSubWindow(nullptr, flags);
    if (!design_.closeBox) {
        window_->setStyle(noCloseTitleBar());
        window_->setSystemMenu(nullptr);
    }
    // Closing is unloading, which is ours to do; the window must not delete
    // itself behind the form's back.
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->installEventFilter(this);
    window_->setWindowTitle(design_.caption);
    window_->setWindowIcon(QApplication::windowIcon());

    client_ = new Client;
    createControls(client_);
    window_->setWidget(client_);
    area_->addSubWindow(window_);
    // The frame around the client area is the style's; the client area is ours.
    const QMargins frame = window_->contentsMargins();
    window_->setFixedSize(QSize(Px(design_.clientTwips.width()), Px(design_.clientTwips.height()))
                              .grownBy(frame));
    settle(window_);
    if (design_.topLeft)
        window_->move(0, 0);

    Form_Load();
    if (window_)
        setVisible(true);
}

void Form::Unload()
{
    if (!window_)
        return;
    QMdiSubWindow *window = window_;
    const bool active = area_->activeSubWindow() == window;
    window_ = nullptr;
    client_ = nullptr;
    window->removeEventFilter(this);
    if (window->isAncestorOf(QApplication::focusWidget()))
        area_->setFocus();
    area_->removeSubWindow(window);
    window->hide();
    // The player goes on where the window was opened from: the window left
    // showing, or the frame when there is none.
    if (active)
        activateTopmostVisible(area_);
    // Unload is often called from a click inside the window itself, so the
    // widgets go once that click has been handled.
    window->deleteLater();
}

QString Form::Caption()
{
    Load();
    return window_->windowTitle();
}

void Form::setCaption(const QString &caption)
{
    Load();
    window_->setWindowTitle(caption);
}

QString Form::Tag()
{
    Load();
    return tag_;
}

void Form::setTag(const QString &tag)
{
    Load();
    tag_ = tag;
}

bool Form::Visible()
{
    Load();
    return !window_->isHidden();
}

void Form::setVisible(bool visible)
{
    Load();
    if (!visible) {
        // Hiding the window that holds the focus makes Qt search the whole
        // focus chain, every loaded window's controls included, for a new
        // home for it; the frame's own area is one at hand.
        if (window_->isAncestorOf(QApplication::focusWidget()))
            area_->setFocus();
        window_->hide();
        // The window left showing is the one the player deals with now.
        activateTopmostVisible(area_);
        return;
    }
    window_->show();
    // The frame's own placement puts a new window beside the others, which
    // may be past the frame's edge; pull it back in as far as it fits.
    QRect frame = window_->geometry();
    const QRect room = area_->viewport()->rect();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveTopLeft(QPoint(std::max(frame.left(), 0), std::max(frame.top(), 0)));
    window_->move(frame.topLeft());
    // A window that appears is the one the player deals with next, and its
    // access keys work only while it is active.
    area_->setActiveSubWindow(window_);
}

bool Form::Enabled()
{
    Load();
    return client_->isEnabled();
}

void Form::setEnabled(bool enabled)
{
    Load();
    client_->setEnabled(enabled);
}

int Form::Width()
{
    Load();
    return Twips(window_->width());
}

void Form::setWidth(int twips)
{
    Load();
    window_->setFixedWidth(Px(twips));
    settle(window_);
}

int Form::Height()
{
    Load();
    return Twips(window_->height());
}

void Form::setHeight(int twips)
{
    Load();
    window_->setFixedHeight(Px(twips));
    settle(window_);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == window_) {
        event->ignore();
        if (design_.closeBox)
            Unload();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

namespace {

class ChildActivator : public QObject
{
public:
    explicit ChildActivator(QMdiArea *area)
        : QObject(area)
        , area_(area)
    {
        area->window()->installEventFilter(this);
        // A screen reader names the frame whenever it has the keyboard
        // again, after a dialog or a menu, even when a window the menu opened
        // has taken the focus first; it is then told once more where the
        // focus is. Queued, to come after the toolkit's own news.
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *window) {
            QWidget *focus = QApplication::focusWidget();
            if (window && window == area_->window()->windowHandle() && focus) {
                QAccessibleEvent focused(focus, QAccessible::Focus);
                QAccessible::updateAccessibility(&focused);
            }
        }, Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched == area_->window())
            activateTopmostVisible(area_);
        return QObject::eventFilter(watched, event);
    }

private:
    QMdiArea *area_;
};

} // namespace

void KeepAChildActive(QMdiArea *area) { new ChildActivator(area); }

double LayoutScaleFor(const QFont &font)
{
    // The layouts were measured for DejaVu Sans Condensed at 7.5 points, in
    // which this sentence is 202 pixels wide, and a line fits the 15 pixels
    // inside a box of digits.
    const QFontMetricsF metrics(font);
    const double wider = metrics.horizontalAdvance(QStringLiteral("The quick brown fox jumps over the lazy dog")) / 202;
    const double taller = metrics.height() / 15;
    // Rounded up to an eighth, for the words whose letters run wider than
    // the sentence's, and for the wider margins of a native button.
    return std::ceil(std::max({1.0, wider, taller}) * 8) / 8;
}

void SetUpApplication()
{
    // A Windows player expects the look of the other programs on the desktop:
    // the native style, and the font Windows gives its own dialogs (Segoe UI
    // at 9 points, wider than the font the layouts were measured for; the
    // windows grow to match). Where Windows does not draw the windows, in
    // the tests' offscreen platform, the game looks as it does elsewhere.
    if (QGuiApplication::platformName() == u"windows") {
        if (QStyle *native = QStyleFactory::create(QStringLiteral("windowsvista")))
            QApplication::setStyle(native);
        SetLayoutScale(LayoutScaleFor(QApplication::font()));
        return;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The layouts give their longest label caption 73 pixels and their
    // narrowest box of digits 21; a condensed face keeps every caption whole
    // at a readable size.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(7.5);
    if (QFontInfo(font).family() != font.family()) {
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(7);
    }
    QApplication::setFont(font);
}

} // namespace platform
