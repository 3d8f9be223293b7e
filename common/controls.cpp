// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/controls.h"

#include "common/board.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOptionButton>
#include <QVariant>

namespace brasti {
namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr int kRadioTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr const char* kTagProperty = "tag";
// Below this a caption is no longer read; it is drawn there, cut off, rather than vanish.
constexpr int kSmallestPixels = 6;

bool fits(const QFont& font, QSize box, int flags, const QString& text)
{
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

QFont withPixels(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return font;
}

QRect radioTextArea(const QRadioButton* radio, int indicator)
{
    return radio->rect().adjusted(indicator + 4, 0, 0, 0);
}

int radioIndicator(const QRadioButton* radio)
{
    QStyleOptionButton option;
    option.initFrom(radio);
    return radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, radio);
}

} // namespace

QFont fittedFont(const QFont& designed, QSize box, int flags, const QString& text)
{
    if (text.isEmpty() || box.isEmpty() || fits(designed, box, flags, text))
        return designed;
    const int designedPixels = designed.pixelSize() > 0 ? designed.pixelSize() : QFontMetrics(designed).height();
    // The largest size that fits, by halving: a smaller font never needs more room.
    int low = std::min(kSmallestPixels, designedPixels);
    int high = designedPixels - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(withPixels(designed, middle), box, flags, text))
            low = middle;
        else
            high = middle - 1;
    }
    return withPixels(designed, low);
}

int FitLabel::textFlags() const
{
    return static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

QFont FitLabel::paintedFont() const
{
    return fittedFont(font(), contentsRect().size(), textFlags(), text());
}

void FitLabel::paintEvent(QPaintEvent* /*event*/)
{
    // Always drawn here, the way a plain label draws its text: once a label
    // has had the focus, QLabel lays its text out as a document instead, a
    // pixel higher, and a caption must not move when Tab passes over it.
    QPainter p(this);
    drawFrame(&p);
    p.setFont(paintedFont());
    const int direction = text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&p, contentsRect(), textFlags() | direction, option.palette, isEnabled(), text(),
                          foregroundRole());
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

QRect WrapButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // Lines are as wide as the contents, but may reach over the bevel above
    // and below, as designed captions of two lines on a low button do.
    area.setTop(0);
    area.setBottom(rect().bottom());
    if (!icon().isNull())
        area.setTop(style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).top() + iconSize().height());
    return area;
}

QFont WrapButton::paintedFont() const
{
    return fittedFont(font(), captionArea().size(), kTextFlags, text());
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);

    const QFont painted = paintedFont();
    p.setFont(painted);
    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        const QSize side = iconSize();
        const QFontMetrics metrics(painted);
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

QRect WrapRadioButton::captionArea() const
{
    return radioTextArea(this, radioIndicator(this));
}

QFont WrapRadioButton::paintedFont() const
{
    return fittedFont(font(), captionArea().size(), kRadioTextFlags, text());
}

void WrapRadioButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int side = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    option.rect = QRect(0, (height() - side) / 2, side, side);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &p, this);

    const QRect textRect = radioTextArea(this, side);
    const int flags = kRadioTextFlags;
    p.setFont(paintedFont());
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
