// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

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

// A box that goes when it closes; modal over its parent's window.
QMessageBox* openBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                     QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
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
    box->open();
}

} // namespace brasti
