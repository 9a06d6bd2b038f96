// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program with a menu bar: the yardstick bench_startup
// compares the program's start-up with.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.resize(640, 720);
    window.show();
    return QApplication::exec();
}
