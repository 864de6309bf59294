// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility/accessibility.h"

#include "platform/widgets/controls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace platform {

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

    // What the player can press is a button to a screen reader, and a
    // picture with a marker a check box, checked while the marker shows:
    // the roles screen readers know how to read and operate.
    QAccessible::Role role() const override
    {
        if (!clickable())
            return QAccessibleWidget::role();
        return marker() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const QWidget *shown = marker(); shown && clickable()) {
            state.checkable = true;
            state.checked = !shown->isHidden();
        }
        return state;
    }

private:
    bool clickable() const { return widget()->focusPolicy() != Qt::NoFocus; }
    QWidget *marker() const
    {
        const auto *picture = qobject_cast<const PictureBox *>(object());
        return picture ? picture->marker() : nullptr;
    }
};

const QString AnnouncerName = u"platform announcer"_s;
const char *const AnnouncementProperty = "announcement";

// What Announce says through: a notification that never shows on the
// screen, inside a status bar, so that Orca says the text alone, without
// the word "notification".
class NotificationAccessible : public QAccessibleWidget
{
public:
    explicit NotificationAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->property(AnnouncementProperty).toString();
        return QAccessibleWidget::text(kind);
    }
};

// A child window as a screen reader sees it: a window named by its caption,
// active while it is the frame's active child, so that its becoming active
// can be announced.
class SubWindowAccessible : public QAccessibleWidget
{
public:
    explicit SubWindowAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.active = widget()->windowState().testFlag(Qt::WindowActive);
        return state;
    }
};

// The control a screen reader last heard had the focus. It hears of the
// focus after the fact, from another process, and passes over a control the
// focus has left by then: this is where the focus settled once the events at
// hand were handled. A control losing the focus, its window disabled or
// hidden, leaves the screen reader where it was.
QPointer<QWidget> &lastFocus()
{
    static QPointer<QWidget> control;
    return control;
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->objectName() == AnnouncerName)
        return new NotificationAccessible(widget);
    if (className == QLatin1StringView("platform::Label"))
        return new ControlAccessible(widget, QAccessible::StaticText);
    // To a screen reader a picture box is a picture, not an empty panel.
    if (className == QLatin1StringView("platform::PictureBox"))
        return new ControlAccessible(widget, QAccessible::Graphic);
    if (className == QLatin1StringView("QMdiSubWindow"))
        return new SubWindowAccessible(widget);
    // The frame's area holds the child windows, and the focus only when no
    // child window is open. A pane named as the program is one a screen
    // reader leaves out when it says where a control is, instead of saying
    // "layered pane" before every window's name.
    if (className == QLatin1StringView("QMdiArea"))
        return new QAccessibleWidget(widget, QAccessible::Pane, QCoreApplication::applicationName());
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [] {
            QTimer::singleShot(0, qApp, [] {
                if (QWidget *now = QApplication::focusWidget())
                    lastFocus() = now;
            });
        });
        return true;
    }();
    Q_UNUSED(installed);
}

void Announce(QWidget *context, const QString &text)
{
    QWidget *window = context->window();
    auto *announcer = window->findChild<QWidget *>(AnnouncerName);
    if (!announcer) {
        auto *bar = new QStatusBar(window);
        bar->hide();
        announcer = new QWidget(bar);
        announcer->setObjectName(AnnouncerName);
    }
    announcer->setProperty(AnnouncementProperty, text);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void FocusButton(QAbstractButton *button, Qt::FocusReason reason)
{
    const bool unheard = !button->hasFocus() && lastFocus() == button;
    button->setFocus(reason);
    if (!unheard || !button->hasFocus())
        return;
    const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(button);
    const QString name = spoken->text(QAccessible::Name), description = spoken->text(QAccessible::Description);
    Announce(button, description.isEmpty()
                         ? QCoreApplication::translate("platform::FocusButton", "%1 push button.").arg(name)
                         : QCoreApplication::translate("platform::FocusButton", "%1 push button. %2")
                               .arg(name, description));
}

} // namespace platform
