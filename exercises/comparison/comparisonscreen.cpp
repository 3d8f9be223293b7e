// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/comparisonscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/pictures.h"
#include "common/rodlaying.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brasti {

ComparisonScreen::ComparisonScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, comparison::frameLayout(entry.config.layout),
                     RodStance::Upright, parent),
      config_(entry.config)
{
    board()->setBackground(config_.layout.background);
}

Place* ComparisonScreen::addBox(const QString& name, const QString& accessibleName, const QString& inside,
                               QPoint topLeft)
{
    return new Place(board(), container(), name, accessibleName, inside,
                     QRect(topLeft, QSize(kUnitTwips, comparison::kBoxHeight)), kButtonFace);
}

QLabel* ComparisonScreen::addLabel(QWidget* parent, const QString& name, const QString& text, QRect twips,
                                   double points)
{
    auto* label = new FitLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    board()->place(label, twips);
    board()->setFontPoints(label, points);
    return label;
}

QPushButton* ComparisonScreen::addColumnButton(const QString& name, Picture picture, const QString& text, int top)
{
    auto* button = new WrapButton(pictureIcon(picture), text, board());
    button->setObjectName(name);
    const ComparisonLayout& layout = config_.layout;
    board()->place(button, QRect(layout.columnLeft, top, layout.columnWidth, comparison::kColumnButtonHeight));
    board()->setFontPoints(button, comparison::kColumnButtonPoints);
    return button;
}

void ComparisonScreen::standIn(QWidget* item, const QWidget* box, int k)
{
    board()->place(item, standingPlace(box, k));
}

QRect ComparisonScreen::standingPlace(const QWidget* box, int k)
{
    const QRect b = Board::designRect(box);
    return QRect(b.left(), comparison::standingTop(b.top(), k), kUnitTwips, k * kUnitTwips);
}

void ComparisonScreen::layTray()
{
    layOutTray(board(), comparison::kTray, probeShuffle(*context_.random),
               [this](int k) { return std::vector{rod(k)}; });
    for (int k = 1; k <= 10; ++k)
        rod(k)->setVisible(true);
    rememberTrayPlaces();
}

} // namespace brasti
