#pragma once
#include "common/screenwindow.h"

class QToolButton;

namespace brasti {

// FormAvvio: the title page with its one button, "Avvio".
class StartScreen final : public ScreenWindow {
    Q_OBJECT
public:
    explicit StartScreen(AppContext& context, QWidget* parent = nullptr);
    void load() override;
    void CaricaColori();

signals:
    void avvioClicked();

private:
    QToolButton* avvio_;
};

} // namespace brasti
