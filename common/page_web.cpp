// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/page.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

namespace brasti {
namespace {

// clang-format off
EM_JS(void, brastiSpeak, (const char* sentence), {
    const region = globalThis.document && document.getElementById("brasti-parla");
    if (!region)
        return;
    // A new line each time: screen readers speak what is added, each line
    // once, so two sentences of one event are both heard, and the same
    // sentence twice is heard twice. Old lines go unspoken.
    const line = document.createElement("p");
    line.textContent = UTF8ToString(sentence);
    region.appendChild(line);
    while (region.childElementCount > 8)
        region.firstElementChild.remove();
});
EM_JS(void, brastiShown, (), {
    if (globalThis.performance && performance.mark)
        performance.mark("brasti-primo-fotogramma");
    if (globalThis.brastiMostrato)
        globalThis.brastiMostrato();
});
// clang-format on

// The window on show: exactly one at a time, but a box may stand over it.
QWidget* shownWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // A window of its own over the screen, such as the teacher's.
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible() && !active->inherits("QMenu"))
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->inherits("QMenu"))
            return w;
    return nullptr;
}

// The window's name, then every named control on show, a line each: its
// name, its accessible name, where it lies on the page in CSS pixels and
// whether it is enabled ("brasti_3|brasto 3|120 400 80 27|1"). For the
// checks that drive the page as a child would, by pointer, touch and keys;
// it reads the screen and changes nothing.
QString controlLine(const QString& name, const QString& accessibleName, QRect place, bool enabled)
{
    return QStringLiteral("%1|%2|%3 %4 %5 %6|%7\n")
        .arg(name, accessibleName)
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .arg(enabled ? 1 : 0);
}

std::string pageControls()
{
    QWidget* window = shownWindow();
    if (!window)
        return {};
    QString out = window->objectName() + QLatin1Char('\n');
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QRect place(w->mapToGlobal(QPoint(0, 0)), w->size());
        // A box's buttons have no name of their own: their text stands in.
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QString name = !w->objectName().isEmpty() ? w->objectName()
                             : button                  ? button->text().remove(u'&')
                                                       : QString();
        if (!name.isEmpty())
            out += controlLine(name, w->accessibleName(), place, w->isEnabled());
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* action : bar->actions())
                if (!action->objectName().isEmpty() && action->isVisible())
                    out += controlLine(action->objectName(), action->text().trimmed(),
                                       bar->actionGeometry(action).translated(place.topLeft()), action->isEnabled());
    }
    return out.toStdString();
}

// The name of the control that has the keyboard, or its text.
std::string pageFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return {};
    const auto* button = qobject_cast<QAbstractButton*>(focus);
    return (!focus->objectName().isEmpty() || !button ? focus->objectName() : button->text()).toStdString();
}

// The text a named control of the shown window holds (a line box, a label):
// what a teacher reads there, such as the class's link.
std::string pageText(const std::string& name)
{
    QWidget* window = shownWindow();
    QWidget* w = window ? window->findChild<QWidget*>(QString::fromStdString(name)) : nullptr;
    if (const auto* box = qobject_cast<QLineEdit*>(w))
        return box->text().toStdString();
    if (const auto* label = qobject_cast<QLabel*>(w))
        return label->text().toStdString();
    return {};
}

EMSCRIPTEN_BINDINGS(brasti_page)
{
    emscripten::function("brastiControlli", &pageControls);
    emscripten::function("brastiFuoco", &pageFocus);
    emscripten::function("brastiTesto", &pageText);
}

} // namespace

void preparePage()
{
    // The same metrics as Liberation Sans on the desktop, where fontconfig
    // gives it for Arial.
    int added = 0;
    for (const char* file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        added += QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0 ? 1 : 0;
    if (added > 0)
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

bool pageSpeaks()
{
    return true;
}

void speakInPage(const QString& sentence)
{
    if (!sentence.isEmpty())
        brastiSpeak(sentence.toUtf8().constData());
}

bool programCanEnd()
{
    return false;
}

bool windowsFillPage()
{
    return true;
}

void pageShown()
{
    brastiShown();
}

} // namespace brasti
