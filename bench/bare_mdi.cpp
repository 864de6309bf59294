// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// The floor our start-up is measured against: the least a Qt program needs to
// put up the same kind of frame. Same title, same style, shown maximized like
// ours; no menu, no icon, no font of its own and no child window.
//
// Where no window manager acts on "maximized" (Xvfb), a frame keeps the size
// it had before; ours has its restored size, a 656 x 554 pixel client area
// under a 17 pixel menu bar. The same outer size here keeps the window
// contents, and so the painting and the backing store, alike.
//
// Built a second time with WITH_MENU: the same frame with a one-item menu
// bar, the least that makes a program load its fonts before it shows.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Pipstack"_s);
    QApplication::setStyle(u"Fusion"_s);
    QMainWindow frame;
    frame.setWindowTitle(u"Pipstack"_s);
    frame.setCentralWidget(new QMdiArea(&frame));
#ifdef WITH_MENU
    frame.menuBar()->addMenu(u"&Options"_s);
#endif
    frame.resize(656, 571);
    frame.showMaximized();
    return app.exec();
}
