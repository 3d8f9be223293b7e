// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The frame every exercise screen shares: the ten rods, the two counters
// with their labels, the right and wrong icons, "avanti" with the advance
// mode, and the menu bar with "Azzera conteggio", "Informazioni" and "Esci".
// A screen adds its own problem, answer controls and check.
#include "common/answershow.h"
#include "common/framelayout.h"
#include "common/rod.h"
#include "common/screenwindow.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace brasti {

class Counters;
class Narration;
class Notice;
class OperationsList;
class PictureBox;

// An exercise's caption (its menu button, its window title, its title on the
// screen) in the language in force; the tables mark it with BRASTI_TEXT.
QString exerciseCaption(const char* caption);

class ExerciseScreen : public ScreenWindow {
    Q_OBJECT
public:
    ExerciseScreen(AppContext& context, const QString& title, const FrameLayout& layout, RodStance stance,
                   QWidget* parent = nullptr);
    // Screen n of the catalogue: named FormN, titled with its caption in the language in force.
    ExerciseScreen(AppContext& context, int screen, const char* caption, const FrameLayout& layout, RodStance stance,
                   QWidget* parent = nullptr);
    ~ExerciseScreen() override;

    // Form_Load: advance mode, counters, the screen's own settings, rods, first problem.
    void load() final;

    Rod* rod(int k) const { return rods_.at(static_cast<std::size_t>(k - 1)); }
    // The grey container of the screen's own controls and rods, or nullptr.
    QWidget* container() const { return container_; }
    // The further rods of the screen (brasti1, brasti2), in the order made.
    const std::vector<Rod*>& extraRods() const { return extraRods_; }
    // The written-operations list List1, or nullptr on screens without one.
    QListWidget* operationsList() const;
    RodDragger* dragger() const { return dragger_; }
    QPushButton* avantiButton() const { return avanti_; }
    // The visit's counts, with their captions.
    const Counters& counters() const { return *counters_; }
    QLabel* rightLabel() const;
    QLabel* wrongLabel() const;
    PictureBox* rightIcon() const { return iconSi_; }
    PictureBox* wrongIcon() const { return iconNo_; }
    RodStance stance() const { return stance_; }
    QPushButton* mostramiButton() const { return mostrami_; }
    // "ascolta": the program's voice says the problem again. Shown while
    // the voice speaks.
    QPushButton* ascoltaButton() const { return ascolta_; }

    // The frame's handlers, public so the menu and tests reach them alike.
    void azzeraConteggio();
    void informazioni();
    void esci();

    // The problem in one sentence with every number a child sees on the
    // board, made by the sentences of common/spoken.h.
    virtual QString problemSentence() const = 0;
    // F1, "?" or "ascolta": screen readers and the voice say the problem again.
    void repeatProblem();
    // Screen readers hear the problem through this notice whenever one is
    // posed, and where a rod lies after each move through the other.
    Notice* problemNotice() const;
    Notice* moveNotice() const;

    // The right answer from the board as it stands, as moves on this
    // screen's widgets; empty where nothing is left to show.
    virtual std::vector<ShownMove> shownMoves() const { return {}; }
    // "mostrami": plays the answer, or stops the play.
    void mostrami();
    bool isShowingAnswer() const { return show_->isPlaying(); }

protected:
    // The screen's own settings, run in the load step before the rods are sized.
    virtual void initialSettings() {}
    // Clears the board and poses a new problem.
    virtual void newProblem() = 0;
    // newProblem(), and screen readers hear the new problem: what a screen
    // calls whenever it draws a new one.
    void poseProblem();
    // Screen readers hear the problem again, which the board shows anew
    // ("Ricomincia").
    void announceProblem();
    // Locks the answer controls after a right answer, while "avanti" waits.
    virtual void lockAnswer() = 0;
    // Undoes lockAnswer().
    virtual void unlockAnswer() = 0;
    // What a right answer adds before the advance step (a list line, say).
    virtual void afterRightAnswer() {}
    // "avanti": by default disable it, unlock, then a new problem.
    virtual void avantiClicked();

    // The verdicts, run by a screen's answer handlers. Each is also told to
    // screen readers: "risposta esatta", with the counts.
    void rightAnswer();
    void wrongAnswer();
    // A step towards the answer, neither counted nor sounded: the right icon
    // shows, and screen readers hear "passo giusto", which a child does not
    // take for a solved problem.
    void rightStep();

    // Adds the screen's own menu between "Azzera conteggio" and "Informazioni".
    QMenu* addOwnMenu(const QString& objectName, const QString& caption);
    // Moves the rods into a container control (they keep their number and drag).
    void putRodsIn(QWidget* container);
    // Sizes rod k for this screen's stance: k units long, one unit thick.
    void sizeRod(int k);
    void sizeRod(Rod* rod);
    // A further rod of number k in the set "brasti1" or "brasti2", made in
    // the container: dragged like the tray rods, sized at load like them and
    // laid above them (later sets above earlier ones).
    Rod* addExtraRod(const QString& set, int k, QWidget* container);

    // The written-operations list List1 at a place in the container, with
    // its own menu "Operazioni scritte" (items "visibili", ticked, and
    // "invisibili"). The load step and "Azzera conteggio" empty it; a hidden
    // list still receives lines.
    QListWidget* addOperationsList(QWidget* container, QRect twips, int menuCaptionBlanks = 10);
    void addOperationLine(const QString& line);
    void showOperations(bool visible);

    // A shown rod of the move's number laid along a place, so many units
    // from its left end (a bar, a row, the box of the tens): the uppermost
    // such rod at hand, as a child takes it (further sets lie above the
    // tray, later above earlier), neither fixed nor taken by an earlier
    // move, which it is then; nullopt when none is left.
    std::optional<ShownMove> layAlong(Place* place, const Move& move, std::vector<Rod*>& taken) const;
    // Where each of the ten rods lies as the screen lays its tray out: called
    // by a screen whose "Ricomincia" lays it out again.
    void rememberTrayPlaces();
    // A rod the child laid, back in a shown "Ricomincia" to where it lay in
    // the tray: where that "Ricomincia" puts it, or, on a tray shuffled anew
    // by each one, a place the shuffle may give it and which nothing else
    // takes meanwhile.
    ShownMove backToTray(const Move& move) const;

    // Before anything changes the board on its own (a new problem, a
    // verdict, leaving): a shown answer stops and gives the board back.
    void stopShowing();
    void hideEvent(QHideEvent* event) override;

private:
    // Neither verdict shows: none has been given since the counts began.
    void hideVerdicts();
    // Both icons' detail: the counts as they stand now.
    void showCountsOnIcons();

    RodStance stance_;
    RodDragger* dragger_;
    std::array<Rod*, 10> rods_{};
    std::array<QRect, 10> trayPlaces_{};
    QWidget* container_ = nullptr;
    QPushButton* avanti_;
    std::unique_ptr<Counters> counters_;
    PictureBox* iconSi_;
    PictureBox* iconNo_;
    QAction* informazioniAction_ = nullptr;
    std::vector<Rod*> extraRods_;
    OperationsList* operations_ = nullptr;
    std::unique_ptr<Narration> narration_;
    QPushButton* mostrami_;
    QPushButton* ascolta_;
    AnswerShow* show_;
};

} // namespace brasti
