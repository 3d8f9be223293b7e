// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Modal message boxes behind an interface, so tests answer them by script.
#include <QString>

class QWidget;

namespace brasti {

// The title of the About message and of the questions, in the language in force.
QString messageTitle();
// The application's own name, the title of the hint boxes.
inline const QString kAppName = QStringLiteral("Brasti");

enum class MessageIcon { None, Information, Question };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with the question icon and the buttons "Sì" and "No"; true on "Sì".
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with a single "OK" button.
    virtual void inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) = 0;
};

class MessageBoxDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) override;
};

} // namespace brasti
