#pragma once
// Controls that behave as the designed ones: captions wrap within the
// control's width instead of being cut off.
#include <QPushButton>
#include <QRadioButton>

namespace brasti {

// A push button whose caption wraps onto several lines; with an icon, the
// icon stands above the caption.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps onto several lines.
class WrapRadioButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace brasti
