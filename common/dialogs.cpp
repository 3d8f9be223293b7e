// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/dialogs.h"

#include "common/board.h"
#include "common/screenwindow.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <cmath>
#include <utility>
#include <vector>

namespace brasti {
namespace {

// The texts of the message boxes, translated in a context of their own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::Dialogs)
};

} // namespace

QString messageTitle()
{
    return Text::tr("Utilizzare i brasti");
}

namespace {

// A box over a board drawn larger than designed (a tablet, a whiteboard in
// full screen) grows with it, text and buttons, so that a child's finger
// finds "Sì" as it finds the board's own buttons; it follows the board while
// open. It never shrinks below its desktop size, where it is already as
// small as a box may be.
class BoxScale final : public QObject {
public:
    BoxScale(QMessageBox* box, Board* board) : QObject(box), box_(box), board_(board), font_(box->font())
    {
        for (QAbstractButton* button : box->buttons())
            buttons_.emplace_back(button, button->sizeHint());
        QObject::connect(board, &Board::rescaled, this, [this] { apply(true); });
        box->installEventFilter(this);
        apply(false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The box fits itself to its new text on its own; then it is put
        // back over its window, and on the screen.
        if (watched == box_ && event->type() == QEvent::Resize && recentre_) {
            recentre_ = false;
            centre();
        }
        return false;
    }

private:
    void apply(bool open)
    {
        const double factor = board_ ? std::max(1.0, board_->scale() * kTwipsPerPixel) : 1.0;
        if (factor == factor_)
            return;
        factor_ = factor;
        QFont font = font_;
        const auto grown = [factor](double size) { return std::max(1, static_cast<int>(std::lround(size * factor))); };
        if (font_.pixelSize() > 0)
            font.setPixelSize(grown(font_.pixelSize()));
        else
            font.setPointSizeF(font_.pointSizeF() * factor);
        box_->setFont(font);
        for (const auto& [button, designed] : buttons_)
            if (button)
                button->setMinimumSize(factor > 1 ? QSize(grown(designed.width()), grown(designed.height())) : QSize(0, 0));
        recentre_ = open && box_->isVisible();
        // An open box fits itself to its grown contents now, not at the
        // event loop's next turn: no frame shows its buttons cut off.
        if (recentre_) {
            QEvent fit(QEvent::LayoutRequest);
            QCoreApplication::sendEvent(box_, &fit);
        }
    }

    void centre()
    {
        QWidget* over = box_->parentWidget() ? box_->parentWidget()->window() : nullptr;
        if (!over)
            return;
        QRect r = box_->frameGeometry();
        r.moveCenter(over->frameGeometry().center());
        if (const QScreen* screen = over->screen()) {
            const QRect room = screen->availableGeometry();
            r.moveRight(std::min(r.right(), room.right()));
            r.moveBottom(std::min(r.bottom(), room.bottom()));
            r.moveLeft(std::max(r.left(), room.left()));
            r.moveTop(std::max(r.top(), room.top()));
        }
        box_->move(r.topLeft());
    }

    QMessageBox* box_;
    QPointer<Board> board_;
    QFont font_;
    std::vector<std::pair<QPointer<QAbstractButton>, QSize>> buttons_;
    double factor_ = 1.0;
    bool recentre_ = false;
};

// A box that goes when it closes; modal over its parent's window, at the
// scale of that window's board.
QMessageBox* openBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                     QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

// Once its buttons carry their own words, which their designed size depends on.
void scaleWithBoard(QMessageBox* box)
{
    auto* screen = box->parentWidget() ? qobject_cast<ScreenWindow*>(box->parentWidget()->window()) : nullptr;
    if (screen)
        new BoxScale(box, screen->board());
}

} // namespace

void MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text,
                                 std::function<void(bool)> answered)
{
    QMessageBox* box = openBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QStringLiteral("domanda"));
    box->button(QMessageBox::Yes)->setText(Text::tr("Sì"));
    box->button(QMessageBox::No)->setText(Text::tr("No"));
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::No);
    scaleWithBoard(box);
    // Queued, and to the parent: the answer may close the window that owns
    // the box, which must not happen while the box is still in its own
    // signal; a parent gone by then hears nothing.
    QObject* receiver = parent ? static_cast<QObject*>(parent) : QCoreApplication::instance();
    QObject::connect(
        box, &QMessageBox::finished, receiver,
        [answered = std::move(answered)](int result) {
            if (answered)
                answered(result == QMessageBox::Yes);
        },
        Qt::QueuedConnection);
    box->open();
}

void MessageBoxDialogs::inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text)
{
    const auto boxIcon = icon == MessageIcon::Information ? QMessageBox::Information
                       : icon == MessageIcon::Question    ? QMessageBox::Question
                                                          : QMessageBox::NoIcon;
    QMessageBox* box = openBox(boxIcon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messaggio"));
    box->button(QMessageBox::Ok)->setText(Text::tr("OK"));
    scaleWithBoard(box);
    box->open();
}

} // namespace brasti
