// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/controls.h"

#include "common/accessibility.h"
#include "common/board.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOptionButton>
#include <QVariant>

namespace brasti {
namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr const char* kTagProperty = "tag";

} // namespace

QFrame* makeBox(Board* board, QWidget* parent, const QString& objectName, const QString& accessibleName,
                QRect twips, Bgr colour)
{
    auto* box = new QFrame(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    markAsHolder(box);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    board->place(box, twips);
    Board::setControlColour(box, colour);
    return box;
}

void setTag(QWidget* control, const QString& text)
{
    control->setProperty(kTagProperty, text);
}

QString tag(const QWidget* control)
{
    return control->property(kTagProperty).toString();
}

QSize WrapButton::sizeHint() const
{
    return QPushButton::sizeHint();
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        const QSize side = iconSize();
        const QFontMetrics metrics(font());
        const QRect textBox = metrics.boundingRect(content, kTextFlags, text());
        const int top = content.top() + std::max(0, (content.height() - side.height() - textBox.height()) / 2);
        const QRect iconRect(content.center().x() - side.width() / 2, top, side.width(), side.height());
        icon().paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setTop(iconRect.bottom() + 1);
        content.setHeight(std::min(content.height(), textBox.height() + 2));
    }
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    p.setPen(palette().color(group, QPalette::ButtonText));
    p.drawText(content, kTextFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void WrapRadioButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int side = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    option.rect = QRect(0, (height() - side) / 2, side, side);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &p, this);

    const QRect textRect = rect().adjusted(side + 4, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(textRect, flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = p.boundingRect(textRect, flags, text());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace brasti
