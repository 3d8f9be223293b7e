// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Modal message boxes behind an interface, so tests answer them by script.
// A box opens and the call returns at once; its answer comes later, to a
// function, from the event loop. No platform then needs a nested event loop,
// which the browser cannot run.
#include <QString>
#include <functional>

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
    // A question with the question icon and the buttons "Sì" and "No".
    // `answered` hears true on "Sì", once the box has closed; never once
    // `parent` is gone (the window closed the program meanwhile).
    virtual void askYesNo(QWidget* parent, const QString& title, const QString& text,
                          std::function<void(bool)> answered) = 0;
    // A message with a single "OK" button.
    virtual void inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) = 0;
};

// QMessageBox, modal over its parent window, opened with open().
class MessageBoxDialogs final : public Dialogs {
public:
    void askYesNo(QWidget* parent, const QString& title, const QString& text,
                  std::function<void(bool)> answered) override;
    void inform(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) override;
};

} // namespace brasti
