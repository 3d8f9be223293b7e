// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brasti {
namespace {

// Draws a picture into the square (0,0)-(1,1), scaled to the target.
void draw(QPainter& p, Picture picture, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width(), box.height());
    const auto pen = [&](QColor colour, double width) {
        QPen result(colour, width);
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
        return result;
    };
    switch (picture) {
    case Picture::Right:
        p.setPen(pen(QColor(0, 110, 0), 0.05));
        p.setBrush(QColor(120, 220, 90));
        p.drawEllipse(QRectF(0.05, 0.05, 0.9, 0.9));
        p.setPen(pen(Qt::white, 0.13));
        p.drawPolyline(QPolygonF({QPointF(0.27, 0.52), QPointF(0.44, 0.70), QPointF(0.74, 0.32)}));
        break;
    case Picture::Wrong:
        p.setPen(pen(QColor(140, 0, 0), 0.05));
        p.setBrush(QColor(235, 80, 70));
        p.drawEllipse(QRectF(0.05, 0.05, 0.9, 0.9));
        p.setPen(pen(Qt::white, 0.13));
        p.drawLine(QPointF(0.32, 0.32), QPointF(0.68, 0.68));
        p.drawLine(QPointF(0.68, 0.32), QPointF(0.32, 0.68));
        break;
    case Picture::Avanti: {
        QPainterPath arrow;
        arrow.moveTo(0.1, 0.38);
        arrow.lineTo(0.52, 0.38);
        arrow.lineTo(0.52, 0.18);
        arrow.lineTo(0.92, 0.5);
        arrow.lineTo(0.52, 0.82);
        arrow.lineTo(0.52, 0.62);
        arrow.lineTo(0.1, 0.62);
        arrow.closeSubpath();
        p.setPen(pen(QColor(0, 70, 140), 0.04));
        p.setBrush(QColor(60, 150, 230));
        p.drawPath(arrow);
        break;
    }
    case Picture::Conferma:
        p.setPen(pen(QColor(0, 120, 0), 0.16));
        p.drawPolyline(QPolygonF({QPointF(0.15, 0.55), QPointF(0.4, 0.8), QPointF(0.85, 0.22)}));
        break;
    case Picture::Ricomincia: {
        p.setPen(pen(QColor(30, 80, 170), 0.12));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(0.18, 0.18, 0.64, 0.64), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 170));
        p.drawPolygon(QPolygonF({QPointF(0.36, 0.02), QPointF(0.62, 0.2), QPointF(0.36, 0.36)}));
        break;
    }
    case Picture::Mostrami: {
        // A rod carried along an arc to its place, as a shown answer moves it.
        p.setPen(pen(QColor(40, 40, 40), 0.03));
        p.setBrush(QColor(255, 220, 0));
        p.drawRect(QRectF(0.06, 0.62, 0.34, 0.16));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 120, 120), 0.04, Qt::DashLine));
        p.drawRect(QRectF(0.6, 0.62, 0.34, 0.16));
        p.setPen(pen(QColor(30, 80, 170), 0.08));
        p.drawArc(QRectF(0.2, 0.18, 0.6, 0.7), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 170));
        p.drawPolygon(QPolygonF({QPointF(0.66, 0.3), QPointF(0.9, 0.3), QPointF(0.8, 0.52)}));
        break;
    }
    case Picture::Ascolta: {
        // A loudspeaker and two waves of sound.
        p.setPen(pen(QColor(40, 40, 40), 0.04));
        p.setBrush(QColor(60, 150, 230));
        p.drawPolygon(QPolygonF({QPointF(0.1, 0.38), QPointF(0.28, 0.38), QPointF(0.52, 0.16), QPointF(0.52, 0.84),
                                 QPointF(0.28, 0.62), QPointF(0.1, 0.62)}));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(QColor(30, 80, 170), 0.07));
        p.drawArc(QRectF(0.42, 0.34, 0.24, 0.32), -50 * 16, 100 * 16);
        p.drawArc(QRectF(0.38, 0.2, 0.48, 0.6), -50 * 16, 100 * 16);
        break;
    }
    case Picture::Avvio:
    case Picture::Window: {
        // Three rods in a staircase, the program's mark.
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 200, 0), QColor(255, 220, 0)};
        for (int i = 0; i < 3; ++i) {
            p.setPen(pen(QColor(40, 40, 40), 0.03));
            p.setBrush(colours[i]);
            p.drawRect(QRectF(0.08, 0.1 + i * 0.28, 0.28 + i * 0.28, 0.22));
        }
        break;
    }
    }
    p.restore();
}

} // namespace

QIcon pictureIcon(Picture picture)
{
    QIcon icon;
    for (int side : {32, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        draw(p, picture, QRectF(0, 0, side, side));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

PictureBox::PictureBox(Picture picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    draw(p, picture_, QRectF(rect()));
}

} // namespace brasti
