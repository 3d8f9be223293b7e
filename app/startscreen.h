// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
#include "common/screenwindow.h"

class QPushButton;

namespace brasti {

// FormAvvio: the title page with its one button, "Avvio".
class StartScreen final : public ScreenWindow {
    Q_OBJECT
public:
    explicit StartScreen(AppContext& context, QWidget* parent = nullptr);
    void load() override;
    void CaricaColori();
    QPushButton* avvioButton() const { return avvio_; }

signals:
    void avvioClicked();

private:
    QPushButton* avvio_;
};

} // namespace brasti
