// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/focusspeech.h"

#include "common/board.h"
#include "common/keyboard.h"
#include "common/page.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace brasti {
namespace {

constexpr const char* kSetProperty = "brastiInsiemeParlato";

// The texts of the lines, translated in a context of their own.
class Text {
    Q_DECLARE_TR_FUNCTIONS(brasti::FocusSpeech)
};

// The control's place among the controls of its set that Tab reaches, from
// 1, and how many they are; {0, 0} for a control of no set.
std::pair<qsizetype, qsizetype> placeInSet(const QWidget* control)
{
    const QVariant set = control->property(kSetProperty);
    if (!set.isValid())
        return {0, 0};
    const Board* board = nullptr;
    for (const QWidget* w = control->parentWidget(); w && !board; w = w->parentWidget())
        board = qobject_cast<const Board*>(w);
    if (!board)
        return {0, 0};
    qsizetype at = 0;
    qsizetype count = 0;
    for (const QWidget* stop : tabStops(board)) {
        if (stop->property(kSetProperty) != set)
            continue;
        ++count;
        if (stop == control)
            at = count;
    }
    return at > 0 ? std::pair{at, count} : std::pair<qsizetype, qsizetype>{0, 0};
}

// The item a list shows as current, as the list's screen reader reads it.
QString currentItem(const QWidget* control)
{
    const auto* view = qobject_cast<const QAbstractItemView*>(control);
    return view ? view->currentIndex().data().toString() : QString();
}

QString buttonName(QAbstractButton* button)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    return face ? face->text(QAccessible::Name) : button->text().remove(u'&');
}

// Says the line of each window and control that takes the keyboard, once the
// event that moved it is over: a window that moves the focus on at once
// (to its first control, say) says only where it ends.
class FocusSpeaker final : public QObject {
public:
    FocusSpeaker() : QObject(qApp)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] {
            if (posted_)
                return;
            posted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    posted_ = false;
                    speak();
                },
                Qt::QueuedConnection);
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            keys_ = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            keys_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void speak()
    {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || !focused->isVisible())
            return;
        QWidget* window = focused->window();
        const bool newWindow = window != window_;
        // Within a window, only the keyboard's moves are said; a control
        // already said is not said again.
        if (!newWindow && (!keys_ || focused == said_)) {
            said_ = focused;
            return;
        }
        window_ = window;
        said_ = focused;
        if (newWindow)
            speakInPage(windowSentence(window));
        speakInPage(focusSentence(focused));
    }

    QPointer<QWidget> window_;
    QPointer<QWidget> said_;
    bool keys_ = false;
    bool posted_ = false;
};

} // namespace

void joinSpokenSet(QWidget* control, int set)
{
    control->setProperty(kSetProperty, set);
}

QString focusSentence(const QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
    if (!face)
        return QString();
    const QString name = face->text(QAccessible::Name);
    if (name.isEmpty())
        return QString();
    const QAccessible::State state = face->state();
    switch (face->role()) {
    case QAccessible::Button:
        if (const auto [at, count] = placeInSet(control); at > 0)
            //: A focused button and its place among the buttons of its set: "ordina 3 brasti, pulsante, 1 di 27"
            return Text::tr("%1, pulsante, %2 di %3").arg(name, QString::number(at), QString::number(count));
        //: A focused button, by its name: "Conferma, pulsante"
        return Text::tr("%1, pulsante").arg(name);
    case QAccessible::RadioButton:
        return state.checked ? Text::tr("%1, pulsante di opzione, selezionato").arg(name)
                             : Text::tr("%1, pulsante di opzione, non selezionato").arg(name);
    case QAccessible::CheckBox:
        return state.checked ? Text::tr("%1, casella di controllo, selezionata").arg(name)
                             : Text::tr("%1, casella di controllo, non selezionata").arg(name);
    case QAccessible::EditableText: {
        const QString value = face->text(QAccessible::Value);
        //: A focused text field by its name, then what it holds: "risposta, campo di testo, 7"
        return value.isEmpty() ? Text::tr("%1, campo di testo").arg(name)
                               : Text::tr("%1, campo di testo, %2").arg(name, value);
    }
    case QAccessible::ComboBox:
        //: A focused drop-down list by its name, then the choice it shows: "lingua, casella combinata, English"
        return Text::tr("%1, casella combinata, %2").arg(name, face->text(QAccessible::Value));
    case QAccessible::List: {
        const QString item = currentItem(control);
        //: A focused list by its name, then its current line: "operazioni scritte, elenco, 3 + 4 = 7"
        return item.isEmpty() ? Text::tr("%1, elenco").arg(name) : Text::tr("%1, elenco, %2").arg(name, item);
    }
    default: {
        // A rod, a place, what shows the problem: its name, and where a rod lies.
        const QString description = face->text(QAccessible::Description);
        //: A focused control by its name, then what it tells: "brasto 3, nella casella 2"
        return description.isEmpty() ? name : Text::tr("%1, %2").arg(name, description);
    }
    }
}

QString windowSentence(const QWidget* window)
{
    const auto* box = qobject_cast<const QMessageBox*>(window);
    if (!box)
        return QString();
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.size() == 2)
        //: A question box as it opens: its question, then its two buttons: "Vuoi uscire dal programma? Rispondi Sì o No."
        return Text::tr("%1 Rispondi %2 o %3.").arg(box->text(), buttonName(buttons.at(0)), buttonName(buttons.at(1)));
    if (buttons.size() == 1)
        //: A message box as it opens: its text, then its one button: "... Pulsante: OK."
        return Text::tr("%1 Pulsante: %2.").arg(box->text(), buttonName(buttons.at(0)));
    return box->text();
}

void speakFocusInPage()
{
    static QPointer<QObject> speaker;
    if (pageSpeaks() && !speaker)
        speaker = new FocusSpeaker;
}

} // namespace brasti
