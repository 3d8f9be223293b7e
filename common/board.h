// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The board: a window's client area, laid out in twips as designed and scaled
// uniformly to whatever size the window has (letterboxed, centred). At the
// designed size 15 twips make one pixel.
#include "common/colours.h"
#include "common/framelayout.h"
#include "common/twips.h"

#include <QColor>
#include <QRect>
#include <QWidget>

namespace brasti {

inline constexpr double kTwipsPerPixel = 15.0;

QColor toQColor(Bgr colour);

class Board : public QWidget {
    Q_OBJECT
public:
    explicit Board(QSize designTwips, QWidget* parent = nullptr);

    QSize designTwips() const { return design_; }
    QSize designPixels() const;
    // Pixels per twip at the current size (1/15 at the designed size).
    double scale() const { return scale_; }

    // Places a control at a rectangle in twips, relative to its parent
    // control (the board itself or a container on it).
    void place(QWidget* control, QRect twips);
    void moveTo(QWidget* control, QPoint topLeftTwips);
    static QRect designRect(const QWidget* control);

    // Arial of the given size in points, scaled with the board.
    void setFontPoints(QWidget* control, double points, bool bold = true);

    void setBackground(Bgr colour);
    Bgr background() const { return background_; }
    static void setControlColour(QWidget* control, Bgr colour);

    QSize sizeHint() const override { return designPixels(); }

signals:
    // A control was given its place (it may have moved in or out of a box).
    void placed(QWidget* control);
    // The board is drawn at another scale, after its controls followed.
    void rescaled();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void apply(QWidget* control) const;
    void relayout();

    QSize design_;
    double scale_ = 1.0 / kTwipsPerPixel;
    QPoint offset_;
    Bgr background_ = kButtonFace;
};

// True for widgets placed on a board (controls), as opposed to their internal parts.
bool isControl(const QWidget* widget);

} // namespace brasti
