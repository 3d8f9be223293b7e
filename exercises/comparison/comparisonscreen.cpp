// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/comparisonscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/pictures.h"
#include "common/tray.h"
#include "exercises/comparison/comparisonmodel.h"
#include "exercises/comparison/relationscreen.h"
#include "exercises/comparison/rowscreen.h"
#include "exercises/comparison/signscreen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brasti {
namespace {

constexpr int kColumnButtonHeight = 855;
constexpr int kIconSide = 855;

FrameLayout columnLayout(int left, int width, int avantiTop)
{
    // Icons, counters and "avanti" one under the other, as on the ordering screens.
    FrameLayout layout;
    layout.icons = QRect(left + (width - kIconSide) / 2, 240, kIconSide, kIconSide);
    layout.label1 = QRect(left, 1260, width, 255);
    layout.esatti = QRect(left, 1530, width, 255);
    layout.label2 = QRect(left, 1920, width, 255);
    layout.errati = QRect(left, 2190, width, 255);
    layout.avanti = QRect(left, avantiTop, width, kColumnButtonHeight);
    return layout;
}

} // namespace

ComparisonScreen::ComparisonScreen(int screen, const QString& caption, Bgr background, QRect containerTwips,
                                   int columnLeft, int columnWidth, int avantiTop, AppContext& context,
                                   QWidget* parent)
    : ExerciseScreen(context, caption, columnLayout(columnLeft, columnWidth, avantiTop), RodStance::Upright, parent),
      columnLeft_(columnLeft), columnWidth_(columnWidth)
{
    setObjectName(QStringLiteral("Form%1").arg(screen));
    board()->setBackground(background);
    frame_ = new QWidget(board());
    frame_->setObjectName(QStringLiteral("frame"));
    board()->place(frame_, containerTwips);
    Board::setControlColour(frame_, kContainerGrey);
}

Place* ComparisonScreen::addBox(const QString& name, const QString& accessibleName, const QString& inside,
                               QPoint topLeft)
{
    return new Place(board(), frame_, name, accessibleName, inside,
                     QRect(topLeft, QSize(kComparisonUnit, kUprightBoxHeight)), kButtonFace);
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
    board()->place(button, QRect(columnLeft_, top, columnWidth_, kColumnButtonHeight));
    board()->setFontPoints(button, 9.75);
    return button;
}

void ComparisonScreen::standIn(QWidget* item, const QWidget* box, int k)
{
    const QRect b = Board::designRect(box);
    board()->place(item, QRect(b.left(), standingTop(b.top(), k), kComparisonUnit, k * kComparisonUnit));
}

void ComparisonScreen::layTray()
{
    const std::array<int, 10> order = probeShuffle(*context_.random);
    for (std::size_t place = 0; place < order.size(); ++place) {
        Rod* r = rod(order[place]);
        r->setMovable(true);
        board()->moveTo(r, QPoint(trayLeft(static_cast<int>(place)), uprightTrayTop(r->number())));
        r->show();
    }
}

bool isComparisonScreen(int screen)
{
    return screen >= 6 && screen <= 9;
}

ExerciseScreen* createComparisonScreen(int screen, AppContext& context)
{
    if (isRowScreen(screen))
        return new RowScreen(screen, context);
    if (screen == 8)
        return new RelationScreen(context);
    if (screen == 9)
        return new SignScreen(context);
    return nullptr;
}

} // namespace brasti
