// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// A picture box: its picture at its own size in the top-left corner, or centred in the box (a
// larger picture is cut by the box's edges), or stretched to fill it. The parent shows where the
// picture does not reach. One that takes the focus (so a reader reads what it shows, its accessible
// name) draws a dotted frame round its picture while it has it.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
    bool center_ = false;
    bool stretch_ = false;
};
