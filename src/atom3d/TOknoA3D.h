#pragma once

#include <QWidget>

// The window with the three-dimensional model of the chosen element's atom.
class TOknoA3D : public QWidget {
    Q_OBJECT
public:
    TOknoA3D();
};
