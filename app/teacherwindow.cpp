// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/teacherwindow.h"

#include "app/catalogue.h"
#include "app/language.h"
#include "app/pagesettings.h"
#include "app/settingsfile.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/exercisescreen.h"
#include "common/runsummary.h"
#include "common/speaker.h"
#include "common/texts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace brasti {
namespace {

template <typename Control>
Control* named(Control* control, const char* name, const QString& accessible)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessible);
    return control;
}

} // namespace

QString minutesAndSeconds(std::chrono::milliseconds time)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time).count();
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

TeacherWindow::TeacherWindow(AppContext& context, Shell& shell, const SettingsReading& reading, const QString& path,
                             QWidget* parent)
    : QDialog(parent), context_(context), shell_(shell), path_(path)
{
    setObjectName(QStringLiteral("finestraInsegnante"));
    setWindowTitle(tr("Brasti - per l'insegnante"));
    // Closing this window must never end the program under it.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);

    // The exercises, in the menu's own grid, so a teacher finds each where the child does.
    auto* offered = named(new QGroupBox(tr("Esercizi offerti nel menù"), this), "gruppoEsercizi",
                          tr("Esercizi offerti nel menù"));
    auto* grid = new QGridLayout(offered);
    for (int column = 1; column <= kMenuColumns; ++column) {
        const QString text = tr("tutta la colonna %1").arg(column);
        auto* heading = new QPushButton(text, offered);
        heading->setObjectName(QStringLiteral("colonna%1").arg(column));
        heading->setAccessibleName(text);
        grid->addWidget(heading, 0, column - 1);
        connect(heading, &QPushButton::clicked, this,
                [this, column] { toggleAll([column](const CatalogueEntry& e) { return e.menu.column == column; }); });
    }
    for (const CatalogueEntry& entry : kCatalogue) {
        const QString caption = exerciseCaption(entry.caption).simplified();
        auto* box = new QCheckBox(caption, offered);
        box->setObjectName(QStringLiteral("esercizio%1").arg(entry.screen));
        box->setAccessibleName(caption);
        grid->addWidget(box, entry.menu.row, entry.menu.column - 1);
        connect(box, &QCheckBox::toggled, this, &TeacherWindow::updateLink);
        exercises_[std::size_t(entry.screen - 1)] = box;
    }
    auto* all = named(new QPushButton(tr("tutti"), offered), "tutti", tr("tutti gli esercizi"));
    auto* none = named(new QPushButton(tr("nessuno"), offered), "nessuno", tr("nessun esercizio"));
    grid->addWidget(all, kMenuRows + 1, 0);
    grid->addWidget(none, kMenuRows + 1, 1);
    const auto setAll = [this](bool on) {
        for (QCheckBox* box : exercises_)
            box->setChecked(on);
    };
    connect(all, &QPushButton::clicked, this, [setAll] { setAll(true); });
    connect(none, &QPushButton::clicked, this, [setAll] { setAll(false); });
    // A button for each family, for a week on one kind of exercise: the
    // menu mixes the families in its columns.
    auto* families = new QHBoxLayout;
    for (const Family& family : kFamilies) {
        auto* button = named(new QPushButton(tr(family.caption), offered), family.name, tr(family.caption));
        families->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, holds = family.holds] { toggleAll([holds](const CatalogueEntry& e) { return holds(e.screen); }); });
    }
    grid->addLayout(families, kMenuRows + 2, 0, 1, kMenuColumns);
    layout->addWidget(offered);

    // The menu's own texts, as the child sees them.
    advance_[0] = named(new QRadioButton(tr("attende la pressione del bottone per proseguire"), this), "attende",
                        tr("attende la pressione del bottone per proseguire"));
    advance_[1] = named(new QRadioButton(tr("prosegue automaticamente  negli esercizi"), this), "prosegue",
                        tr("prosegue automaticamente  negli esercizi"));
    auto* advance = new QHBoxLayout;
    for (QRadioButton* radio : advance_) {
        advance->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, &TeacherWindow::updateLink);
    }
    layout->addLayout(advance);

    // The yes-or-no settings two by two, then the language.
    auto* choices = new QGridLayout;
    int cell = 0;
    QLabel* noVoice = nullptr;
    for (const Setting& setting : kSettings) {
        if (setting.kind != Setting::Kind::Switch)
            continue;
        auto* box = named(new QCheckBox(tr(setting.caption), this), setting.name, tr(setting.caption));
        choices->addWidget(box, cell / 2, cell % 2);
        ++cell;
        connect(box, &QCheckBox::toggled, this, &TeacherWindow::updateLink);
        switches_.emplace_back(&setting, box);
        if (setting.flag == &TeacherSettings::readAloud) {
            // Asked only once the voice is: finding the voices wakes the speech engine.
            noVoice = named(new QLabel(tr("Su questo computer non c'è una voce italiana"), this), "nessunaVoce",
                                  tr("Su questo computer non c'è una voce italiana"));
            noVoice->hide();
            const auto tell = [this, noVoice](bool on) {
                noVoice->setVisible(on && context_.speaker && !context_.speaker->hasVoice());
            };
            connect(box, &QCheckBox::toggled, this, tell);
        }
    }
    // Under the yes-or-no settings, across both columns.
    if (noVoice)
        choices->addWidget(noVoice, (cell + 1) / 2, 0, 1, 2);
    language_ = named(new QComboBox(this), "lingua", tr("lingua"));
    language_->addItem(tr("lingua del sistema"), QString());
    for (const QString& code : availableLanguages())
        language_->addItem(QLocale(code).nativeLanguageName(), code);
    auto* languageLabel = new QLabel(tr("lingua"), this);
    languageLabel->setBuddy(language_);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language_, 1);
    choices->addLayout(languageRow, cell / 2, cell % 2);
    layout->addLayout(choices);
    connect(language_, &QComboBox::currentIndexChanged, this, &TeacherWindow::updateLink);

    // What was read at start, and from where.
    auto* read = named(new QPlainTextEdit(this), "letturaImpostazioni", tr("lettura delle impostazioni"));
    read->setReadOnly(true);
    QStringList lines;
    lines << (reading.path.isEmpty() ? tr("Nessun file di impostazioni letto.")
                                     : tr("Impostazioni lette da %1").arg(reading.path));
    lines << reading.problems;
    read->setPlainText(lines.join(QLatin1Char('\n')));
    read->setMaximumHeight(read->fontMetrics().lineSpacing() * 5);
    layout->addWidget(read);

    auto* keep = new QHBoxLayout;
    if (settingsAreSaved()) {
        auto* saveButton = named(new QPushButton(tr("Salva"), this), "salva", tr("Salva"));
        connect(saveButton, &QPushButton::clicked, this, &TeacherWindow::save);
        keep->addWidget(saveButton);
    } else {
        link_ = named(new QLineEdit(this), "collegamento", tr("collegamento con queste impostazioni"));
        link_->setReadOnly(true);
        auto* copy = named(new QPushButton(tr("Copia il collegamento"), this), "copiaCollegamento",
                           tr("Copia il collegamento"));
        connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(link_->text()); });
        keep->addWidget(link_, 1);
        keep->addWidget(copy);
    }
    outcome_ = named(new QLabel(this), "esito", tr("esito"));
    outcome_->setWordWrap(true);
    keep->addWidget(outcome_, 1);
    layout->addLayout(keep);

    // What the child before did, kept in memory only.
    summary_ = named(new QTableWidget(0, 5, this), "riepilogo", tr("riepilogo degli esercizi svolti"));
    summary_->setHorizontalHeaderLabels({tr("esercizio"), tr("risolti"), tr("errori"), tr("risposte mostrate"), tr("tempo")});
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The counts' columns as wide as their headings (a longer translation
    // too), the exercise's name takes the rest.
    summary_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    summary_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    summary_->verticalHeader()->hide();
    layout->addWidget(summary_);
    auto* empty = named(new QPushButton(tr("Svuota"), this), "svuota", tr("Svuota il riepilogo"));
    connect(empty, &QPushButton::clicked, this, [this] {
        shell_.summary().clear();
        showSummary();
    });
    layout->addWidget(empty, 0, Qt::AlignLeft);

    showSettings(reading.settings);
    showSummary();
}

void TeacherWindow::toggleAll(const std::function<bool(const CatalogueEntry&)>& which)
{
    // All of them on, or off when they all are on already.
    bool allOn = true;
    for (const CatalogueEntry& entry : kCatalogue)
        if (which(entry))
            allOn = allOn && exercises_[std::size_t(entry.screen - 1)]->isChecked();
    for (const CatalogueEntry& entry : kCatalogue)
        if (which(entry))
            exercises_[std::size_t(entry.screen - 1)]->setChecked(!allOn);
}

TeacherSettings TeacherWindow::chosen() const
{
    TeacherSettings settings;
    for (std::size_t i = 0; i < exercises_.size(); ++i)
        settings.exercises.set(i, exercises_[i]->isChecked());
    settings.advance = advance_[1]->isChecked() ? TeacherSettings::Advance::Automatic : TeacherSettings::Advance::Button;
    settings.language = language_->currentData().toString();
    for (const auto& [setting, box] : switches_)
        settings.*setting->flag = box->isChecked();
    return settings;
}

void TeacherWindow::showSettings(const TeacherSettings& settings)
{
    for (std::size_t i = 0; i < exercises_.size(); ++i)
        exercises_[i]->setChecked(settings.exercises.test(i));
    advance_[settings.advance == TeacherSettings::Advance::Automatic ? 1 : 0]->setChecked(true);
    language_->setCurrentIndex(std::max(0, language_->findData(settings.language)));
    for (const auto& [setting, box] : switches_)
        box->setChecked(settings.*setting->flag);
    updateLink();
}

void TeacherWindow::showSummary()
{
    const std::vector<RunRow> rows = shell_.summary().rows();
    summary_->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const RunRow& row = rows[std::size_t(i)];
        const QString cells[] = {exerciseCaption(kCatalogue[std::size_t(row.screen - 1)].caption).simplified(),
                                 QString::number(row.solved), QString::number(row.wrong),
                                 QString::number(row.shown), minutesAndSeconds(row.time)};
        for (int column = 0; column < int(std::size(cells)); ++column)
            summary_->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
}

void TeacherWindow::showEvent(QShowEvent* event)
{
    // The run goes on while the window is closed: it shows it as it is now.
    showSummary();
    QDialog::showEvent(event);
}

void TeacherWindow::save()
{
    const TeacherSettings settings = chosen();
    if (const QString fault = settingsFault(settings); !fault.isEmpty()) {
        tell(tr("Non salvato: %1").arg(fault));
        return;
    }
    const SavedSettings saved = saveTeacherSettings(settings, path_);
    if (!saved.problem.isEmpty()) {
        tell(tr("Non salvato: %1").arg(saved.problem));
        return;
    }
    tell(tr("Salvato in %1").arg(saved.path));
    // The running program takes the new choices at once, by the rule it
    // started with; the language waits for the next start.
    shell_.takeTeacherSettings(settings);
    shell_.showMenu();
}

void TeacherWindow::tell(const QString& text)
{
    // A screen reader reads the outcome itself, not the label's fixed name.
    outcome_->setText(text);
    outcome_->setAccessibleName(text);
}

void TeacherWindow::updateLink()
{
    if (link_)
        link_->setText(pageAddress() + QLatin1Char('?') + settingsQuery(chosen()));
}

} // namespace brasti
