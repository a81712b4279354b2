// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotPainter.h"
#include "PropertyPlot.h"

#include <QWidget>

#include <functional>

// The chart on the screen, in the program's look at every scale (drawn at 100 % and magnified). The
// pointer resting near a point shows it, a click opens its element; Left and Right move a cursor
// from point to point, Home and End to the ends, Page Up and Page Down by period, each step read by
// a screen reader ("Na, 11: 495,8 kJ/mol").
class PropertyChart : public QWidget {
    Q_OBJECT
public:
    explicit PropertyChart(QWidget* parent = nullptr);

    void SetModel(const PlotModel& model);
    const PlotModel& Model() const { return model_; }
    int Cursor() const { return cursor_; }
    void MoveTo(int index);
    static PlotLook ScreenLook();

    std::function<void(const PlotPoint* point)> OnShowPoint;  // the cursor's, or the one under the pointer
    std::function<void(const QString& symbol)> OnOpen;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int PointNear(QPointF at) const;
    void Tell();

    PlotModel model_;
    int cursor_ = 0;
};
