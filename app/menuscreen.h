// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
#include "app/catalogue.h"
#include "common/screenwindow.h"

#include <array>

class QPushButton;
class QRadioButton;
class QTimer;

namespace brasti {

// FormMenu: the 27 exercises, the advance mode and "Esci".
class MenuScreen final : public ScreenWindow {
    Q_OBJECT
public:
    explicit MenuScreen(AppContext& context, QWidget* parent = nullptr);
    void load() override;
    void CaricaColori();

    QPushButton* exerciseButton(int button) const; // CommandK, K from 2 to 28
    QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Asks the shell to open exercise screen n (1 to 27).
    void exerciseChosen(int screen);
    // Asks the shell for the teacher's window.
    void teacherWindowAsked();

private:
    std::array<QPushButton*, kExerciseCount> buttons_{};
    std::array<QRadioButton*, 2> options_{};
    QWidget* heading_ = nullptr;
    QTimer* longPress_ = nullptr;
};

} // namespace brasti
