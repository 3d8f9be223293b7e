// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/board.h"

#include <QAbstractButton>
#include <QApplication>
#include <QResizeEvent>
#include <QVariant>
#include <cmath>

namespace brasti {
namespace {

constexpr const char* kRectProperty = "brastiTwips";
constexpr const char* kFontProperty = "brastiPoints";

int px(double twips, double scale)
{
    return static_cast<int>(std::lround(twips * scale));
}

} // namespace

QColor toQColor(Bgr colour)
{
    if (colour == kButtonFace)
        return QApplication::palette().color(QPalette::Button);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

bool isControl(const QWidget* widget)
{
    return widget && widget->property(kRectProperty).isValid();
}

Board::Board(QSize designTwips, QWidget* parent)
    : QWidget(parent), design_(designTwips)
{
    setObjectName(QStringLiteral("board"));
    setAutoFillBackground(true);
    setBackground(kButtonFace);
    resize(designPixels());
}

QSize Board::designPixels() const
{
    return QSize(px(design_.width(), 1 / kTwipsPerPixel), px(design_.height(), 1 / kTwipsPerPixel));
}

void Board::place(QWidget* control, QRect twips)
{
    control->setProperty(kRectProperty, twips);
    apply(control);
    emit placed(control);
}

void Board::moveTo(QWidget* control, QPoint topLeftTwips)
{
    QRect r = designRect(control);
    r.moveTopLeft(topLeftTwips);
    place(control, r);
}

QRect Board::designRect(const QWidget* control)
{
    return control->property(kRectProperty).toRect();
}

void Board::setFontPoints(QWidget* control, double points, bool bold)
{
    control->setProperty(kFontProperty, points);
    QFont f(QStringLiteral("Arial"));
    f.setBold(bold);
    control->setFont(f);
    apply(control);
}

void Board::setBackground(Bgr colour)
{
    background_ = colour;
    setControlColour(this, colour);
}

void Board::setControlColour(QWidget* control, Bgr colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::Window, toQColor(colour));
    // Buttons fill with their own role; the board's children inherit only Window.
    p.setColor(control->backgroundRole(), toQColor(colour));
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

void Board::apply(QWidget* control) const
{
    const QVariant rectValue = control->property(kRectProperty);
    if (rectValue.isValid()) {
        const QRect r = rectValue.toRect();
        // Edges are rounded, not sizes, so neighbouring controls stay flush.
        const int left = px(r.left(), scale_);
        const int top = px(r.top(), scale_);
        const int right = px(r.left() + r.width(), scale_);
        const int bottom = px(r.top() + r.height(), scale_);
        QPoint origin = control->parentWidget() == this ? offset_ : QPoint();
        control->setGeometry(QRect(QPoint(left, top) + origin, QSize(std::max(1, right - left), std::max(1, bottom - top))));
    }
    const QVariant points = control->property(kFontProperty);
    if (points.isValid()) {
        QFont f = control->font();
        // A point is 20 twips.
        f.setPixelSize(std::max(1, px(points.toDouble() * 20, scale_)));
        control->setFont(f);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->icon().isNull()) {
        const int side = std::max(1, px(32 * kTwipsPerPixel, scale_));
        button->setIconSize(QSize(side, side));
    }
}

void Board::relayout()
{
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls)
        apply(control);
}

void Board::resizeEvent(QResizeEvent* event)
{
    const QSize s = event->size();
    const double before = scale_;
    scale_ = std::min(s.width() / double(design_.width()), s.height() / double(design_.height()));
    if (scale_ <= 0)
        scale_ = 1 / kTwipsPerPixel;
    offset_ = QPoint(static_cast<int>((s.width() - design_.width() * scale_) / 2),
                     static_cast<int>((s.height() - design_.height() * scale_) / 2));
    relayout();
    QWidget::resizeEvent(event);
    if (scale_ != before)
        emit rescaled();
}

} // namespace brasti
