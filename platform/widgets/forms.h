// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class QMdiArea;

class QWidget;

namespace platform {

// A child window of the frame. The object lives on while the window comes and
// goes: Load builds the window and its controls in their design-time state,
// runs Form_Load and shows the window; Unload throws window and controls away
// but keeps the object's own variables for the next Load.
//
// As with the forms the program was designed for, reading or setting a property
// of a window that is not loaded loads it first.
class Form : public QObject
{
    Q_OBJECT

public:
    struct Design {
        QString caption;
        QSize clientTwips;      // size of the client area
        bool closeBox = true;   // false: the player cannot close the window
        bool topLeft = false;   // true: always at the frame's top left corner
    };

    Form(QMdiArea *area, Design design, QObject *parent);
    ~Form() override;
    Q_DISABLE_COPY_MOVE(Form)

    void Load();
    void Unload();
    bool IsLoaded() const { return !window_.isNull(); }

    QString Caption();
    void setCaption(const QString &caption);
    QString Tag();
    void setTag(const QString &tag);
    bool Visible();
    void setVisible(bool visible);
    // A disabled window takes no clicks and no keys.
    bool Enabled();
    void setEnabled(bool enabled);
    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    // Outer size in twips, frame included.
    int Width();
    void setWidth(int twips);
    int Height();
    void setHeight(int twips);

    // The sub-window and its client area while loaded, else nullptr.
    QMdiSubWindow *window() const { return window_; }
    QWidget *client() const { return client_; }

protected:
    // Creates the controls on the client area, in their design-time state.
    virtual void createControls(QWidget *client) = 0;
    virtual void Form_Load() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMdiArea *area_;
    Design design_;
    QPointer<QMdiSubWindow> window_;
    QPointer<QWidget> client_;
    QString tag_;
};

} // namespace platform

namespace platform {

// Picks the style and font the windows are drawn with, and the layout scale
// that fits the window layouts to that font. Call once, right after the
// QApplication exists, before any window is made.
void SetUpApplication();

// How much the window layouts grow to keep their words whole in a font: 1
// for the font they were measured for, and never less.
double LayoutScaleFor(const QFont &font);

// Whenever the frame becomes the active window with no child window active
// (after a modal dialog, say, or right after a new child appeared behind
// one), activates the top-most visible child, so that its access keys work
// without a click first.
void KeepAChildActive(QMdiArea *area);

} // namespace platform
