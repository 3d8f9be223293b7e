// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The teacher's window: the class's settings, what was wrong in the file
// they came from, and what the child before did. Opened from the menu by
// keys or a long press a child does not stumble on; nothing in it changes
// the running program unless it is saved.
#include "app/catalogue.h"
#include "app/settings.h"

#include <QDialog>
#include <functional>
#include <array>
#include <chrono>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace brasti {

class Shell;
struct AppContext;

class TeacherWindow final : public QDialog {
    Q_OBJECT
public:
    // `reading` is what the program read at start; `path` is where "Salva"
    // writes.
    TeacherWindow(AppContext& context, Shell& shell, const SettingsReading& reading, const QString& path,
                  QWidget* parent = nullptr);

    // The settings as the window's controls now say.
    TeacherSettings chosen() const;
    void showSettings(const TeacherSettings& settings);
    // The summary's table made again from the run as it stands now.
    void showSummary();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Turns on every exercise `which` takes, or off when all of them are on.
    void toggleAll(const std::function<bool(const CatalogueEntry&)>& which);
    void save();
    void updateLink();
    void tell(const QString& text);

    AppContext& context_;
    Shell& shell_;
    QString path_;
    std::array<QCheckBox*, kExerciseCount> exercises_{};
    std::array<QRadioButton*, 2> advance_{};
    // A check box for each yes or no of kSettings, in its order.
    std::vector<std::pair<const Setting*, QCheckBox*>> switches_;
    QComboBox* language_ = nullptr;
    QLabel* outcome_ = nullptr;
    QLineEdit* link_ = nullptr;
    QTableWidget* summary_ = nullptr;
};

// m:ss, as the summary shows a time.
QString minutesAndSeconds(std::chrono::milliseconds time);

} // namespace brasti
