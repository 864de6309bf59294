// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// The floor our start-up is measured against: the least a Qt program needs to
// put up the same kind of frame. Same title, same style, shown maximized like
// ours; no menu, no icon, no font of its own and no child window.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Pipstack"_s);
    QApplication::setStyle(u"Fusion"_s);
    QMainWindow frame;
    frame.setWindowTitle(u"Pipstack"_s);
    frame.setCentralWidget(new QMdiArea(&frame));
    frame.showMaximized();
    return app.exec();
}
