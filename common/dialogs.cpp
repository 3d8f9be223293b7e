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

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("domanda"));
    box.button(QMessageBox::Yes)->setText(Text::tr("Sì"));
    box.button(QMessageBox::No)->setText(Text::tr("No"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text)
{
    const auto boxIcon = icon == MessageIcon::Information ? QMessageBox::Information
                       : icon == MessageIcon::Question    ? QMessageBox::Question
                                                          : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messaggio"));
    box.button(QMessageBox::Ok)->setText(Text::tr("OK"));
    box.exec();
}

} // namespace brasti
