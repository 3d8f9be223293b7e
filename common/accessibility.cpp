// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/accessibility.h"

#include "common/board.h"
#include "common/page.h"
#include "common/pictures.h"
#include "common/place.h"
#include "common/rod.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

namespace brasti {
namespace {

bool isPiece(const QObject* object)
{
    return qobject_cast<const Rod*>(object) || qobject_cast<const RodCopy*>(object);
}

bool isNotice(const QObject* object)
{
    const auto* box = qobject_cast<const PictureBox*>(object);
    return box && (box->picture() == Picture::Right || box->picture() == Picture::Wrong);
}

// A rod or rod copy: its own description if it has one, else where it lies.
class PieceAccessible final : public QAccessibleWidget {
public:
    explicit PieceAccessible(QWidget* piece) : QAccessibleWidget(piece, QAccessible::Client) {}

    QString text(QAccessible::Text t) const override
    {
        // A copy showing no rod has no name, and lies nowhere worth telling.
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->accessibleName().isEmpty() ? QString() : whereItLies(widget());
        return QAccessibleWidget::text(t);
    }

    // A given rod, or one laid for good, is only there to be read.
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        const auto* rod = qobject_cast<const Rod*>(widget());
        st.readOnly = !rod || !rod->isMovable();
        return st;
    }
};

// A verdict icon: "risposta esatta" with its detail, "esatti 3, errati 1".
class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<const PictureBox*>(widget())->detail();
        return QAccessibleWidget::text(t);
    }
};

// A notice of the program's own: its text is its name, read by screen
// readers as they read a notification appearing.
class SpokenNoticeAccessible final : public QAccessibleWidget {
public:
    explicit SpokenNoticeAccessible(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Notice*>(widget())->text();
        if (t == QAccessible::Description)
            return QString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    // Asked once per class along the object's ancestry: only our own classes answer.
    if (!className.startsWith(QLatin1String("brasti::")) || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (isPiece(object))
        return new PieceAccessible(widget);
    if (isNotice(object))
        return new NoticeAccessible(widget);
    if (auto* notice = qobject_cast<Notice*>(object))
        return new SpokenNoticeAccessible(notice);
    return nullptr;
}

void send(QWidget* widget, QAccessible::Event type)
{
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installAccessibility()
{
    // Qt keeps one copy of each factory however often it is installed.
    QAccessible::installFactory(makeInterface);
}

QString whereItLies(const QWidget* piece)
{
    const QWidget* container = piece->parentWidget();
    if (!container)
        return QString();
    // Design rectangles, so the answer does not depend on the window's size.
    const QPoint middle = Board::designRect(piece).center();
    const Place* holder = nullptr;
    // Children come in stacking order, bottom first: the last match is on top.
    for (const QObject* child : container->children()) {
        const auto* place = qobject_cast<const Place*>(child);
        if (place && !place->isHidden() && Board::designRect(place).contains(middle))
            holder = place;
    }
    return holder ? holder->inside() : QString();
}

void notePlaced(QWidget* control)
{
    if (QAccessible::isActive() && isPiece(control))
        send(control, QAccessible::DescriptionChanged);
}

void announce(PictureBox* notice, bool wasShowing)
{
    // As Orca reads it: the icon's name, then its detail.
    if (pageSpeaks())
        speakInPage(notice->detail().isEmpty() ? notice->accessibleName()
                                               : notice->accessibleName() + QStringLiteral(". ") + notice->detail());
    if (!QAccessible::isActive())
        return;
    send(notice, QAccessible::DescriptionChanged);
    // A notice already showing is shown again, as a new one would be.
    if (wasShowing)
        send(notice, QAccessible::ObjectShow);
    send(notice, QAccessible::Alert);
}

bool screenReaderListens()
{
    return QAccessible::isActive() || pageSpeaks();
}

Notice::Notice(const QString& objectName, QWidget* parent, std::function<QString()> source)
    : QWidget(parent), source_(std::move(source))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // A single point that paints nothing, hidden until its first news:
    // shown with the window, it would be read out empty.
    setGeometry(0, 0, 1, 1);
    lower();
    hide();
    window()->installEventFilter(this);
}

QString Notice::text() const
{
    return source_ ? source_() : text_;
}

void Notice::say(const QString& text)
{
    text_ = text;
    if (screenReaderListens())
        send();
}

void Notice::announceSoon()
{
    if (!screenReaderListens())
        return;
    pending_ = true;
    post();
}

void Notice::post()
{
    if (posted_)
        return;
    posted_ = true;
    // Dropped with the notice if its screen goes first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            posted_ = false;
            flush();
        },
        Qt::QueuedConnection);
}

void Notice::flush()
{
    QWidget* screen = window();
    // A screen on its way out, or not yet active, says nothing; an active
    // one hears what is pending then.
    if (!pending_ || !screen->isVisible() || !screen->isActiveWindow() || !screenReaderListens())
        return;
    pending_ = false;
    send();
}

void Notice::send()
{
    if (pageSpeaks())
        speakInPage(text());
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    if (isHidden()) {
        setVisible(true); // which screen readers are told
        return;
    }
    // Showing again, as a new notification would.
    QAccessibleEvent again(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&again);
}

bool Notice::eventFilter(QObject* watched, QEvent* event)
{
    // Once the window is active, after the window's own news.
    if (watched == window() && event->type() == QEvent::WindowActivate && pending_)
        post();
    return false;
}

} // namespace brasti
