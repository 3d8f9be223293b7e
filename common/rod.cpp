#include "common/rod.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/screenwindow.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brasti {
namespace {

// The outline that follows the pointer: a frame drawn in two tones so it
// shows on any background. It never takes the mouse.
class DragOutline final : public QWidget {
public:
    explicit DragOutline(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("contornoTrascinamento"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(r);
    }
};

bool numbersShown(const QWidget* widget)
{
    const auto* screen = qobject_cast<const ScreenWindow*>(widget->window());
    return screen && screen->context().numbersOnRods;
}

// The rod's number in its middle, upright whichever way the rod lies, as
// large as the rod's thickness allows, in black or white, whichever reads
// better on the rod's colour.
void paintNumber(QPainter& p, const QRect& area, int number)
{
    const QString text = QString::number(number);
    const int thickness = std::min(area.width(), area.height());
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    int pixels = std::max(1, static_cast<int>(thickness * 0.72));
    font.setPixelSize(pixels);
    // An upright rod is one unit wide, and "10" must still fit across it.
    const int room = std::max(1, area.width() - 2);
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > room) {
        pixels = std::max(1, pixels * room / advance);
        font.setPixelSize(pixels);
    }
    p.setFont(font);
    p.setPen(toQColor(textColourOn(rodColour(number))));
    p.drawText(area, Qt::AlignCenter, text);
}

void paintRod(QWidget* widget, int number)
{
    QPainter p(widget);
    p.fillRect(widget->rect(), toQColor(rodColour(number)));
    // A thin edge keeps the white rod visible on light backgrounds.
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(widget->rect().adjusted(0, 0, -1, -1));
    if (numbersShown(widget))
        paintNumber(p, widget->rect(), number);
}

} // namespace

Rod::Rod(int number, QWidget* parent, const QString& set) : QWidget(parent), number_(number)
{
    setObjectName(QStringLiteral("%1_%2").arg(set).arg(number));
    setAccessibleName(QStringLiteral("brasto %1").arg(number));
    setCursor(Qt::OpenHandCursor);
}

void Rod::paintEvent(QPaintEvent*)
{
    paintRod(this, number_);
}

RodCopy::RodCopy(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
}

void RodCopy::showRod(int k)
{
    number_ = k;
    setAccessibleName(k >= 1 && k <= 10 ? QStringLiteral("brasto %1").arg(k) : QString());
    update();
}

void RodCopy::paintEvent(QPaintEvent*)
{
    if (number_ >= 1 && number_ <= 10)
        paintRod(this, number_);
}

void Rod::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        setCursor(isEnabled() ? Qt::OpenHandCursor : Qt::ArrowCursor);
    QWidget::changeEvent(event);
}

RodDragger::RodDragger(Board* board) : QObject(board), board_(board), outline_(new DragOutline(board))
{
}

void RodDragger::addRod(Rod* rod)
{
    rod->installEventFilter(this);
}

void RodDragger::setDropHandler(QWidget* target, DropHandler handler)
{
    handlers_.emplace_back(target, std::move(handler));
}

bool RodDragger::hasDropHandler(const QWidget* target) const
{
    for (const auto& entry : handlers_)
        if (entry.first == target)
            return true;
    return false;
}

QWidget* RodDragger::dropTargetAt(QPoint boardPoint, const Rod* ignore) const
{
    if (!board_->rect().contains(boardPoint))
        return nullptr;
    // The dragged rod must not hide what lies under it; everything else on top does.
    QWidget* hit = nullptr;
    if (ignore) {
        auto* rod = const_cast<Rod*>(ignore);
        const bool wasTransparent = rod->testAttribute(Qt::WA_TransparentForMouseEvents);
        rod->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        hit = board_->childAt(boardPoint);
        rod->setAttribute(Qt::WA_TransparentForMouseEvents, wasTransparent);
    } else {
        hit = board_->childAt(boardPoint);
    }
    // Walk up from an internal part (a list's viewport) to its control.
    while (hit && hit != board_ && !isControl(hit))
        hit = hit->parentWidget();
    if (!hit || hit == board_ || !hasDropHandler(hit) || !hit->isEnabled())
        return nullptr;
    return hit;
}

bool RodDragger::eventFilter(QObject* watched, QEvent* event)
{
    auto* rod = qobject_cast<Rod*>(watched);
    if (!rod)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        // Disabled rods still reach this filter: they must not be dragged.
        if (me->button() == Qt::LeftButton && rod->isEnabled() && rod->isVisible() && !dragged_)
            begin(rod, rod->mapTo(board_, me->position().toPoint()));
        return true;
    }
    case QEvent::MouseMove:
        if (rod == dragged_)
            follow(rod->mapTo(board_, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::MouseButtonRelease:
        if (rod == dragged_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            finish(rod->mapTo(board_, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::Hide:
    case QEvent::EnabledChange:
        // A rod taken away mid-drag ends the drag without a drop.
        if (rod == dragged_ && (!rod->isEnabled() || !rod->isVisible()))
            cancel();
        return false;
    default:
        return false;
    }
}

void RodDragger::begin(Rod* rod, QPoint boardPoint)
{
    dragged_ = rod;
    const QPoint rodTopLeft = rod->mapTo(board_, QPoint(0, 0));
    grabOffset_ = boardPoint - rodTopLeft;
    outline_->setGeometry(QRect(rodTopLeft, rod->size()));
    outline_->raise();
    outline_->show();
}

void RodDragger::follow(QPoint boardPoint)
{
    outline_->move(boardPoint - grabOffset_);
}

void RodDragger::finish(QPoint boardPoint)
{
    Rod* rod = dragged_;
    cancel();
    if (QWidget* target = dropTargetAt(boardPoint, rod)) {
        for (const auto& entry : handlers_) {
            if (entry.first == target) {
                // Copied: the handler may change the handler list.
                DropHandler handler = entry.second;
                handler(rod);
                break;
            }
        }
    }
}

void RodDragger::cancel()
{
    dragged_ = nullptr;
    outline_->hide();
}

} // namespace brasti
