// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The way a shown rod takes across its container. A child never lays one
// rod on another, so a shown rod does not glide over the rods it passes
// either: straight where that way is free, else round them, along the gaps
// between them, as a hand slides a rod on a table.
#include <QPoint>
#include <QRect>
#include <vector>

namespace brasti {

// The corners of a way for a rectangle of `from`'s size, from `from`'s top
// left to `to` (all in twips of one container), on which it never overlaps
// any of `others` (touching is no overlap) and stays within `area`; the
// shortest such way with few turns. Just the two ends when the straight way
// is free; empty when there is no way.
std::vector<QPoint> glideRoute(const QRect& from, QPoint to, const std::vector<QRect>& others, const QRect& area);

} // namespace brasti
