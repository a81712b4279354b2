// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time: a bare Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(639, 527);
    window.show();
    return application.exec();
}
