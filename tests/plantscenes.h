// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <vector>

// Pictures with known things in them, for planting differences into.
namespace PlantScenes {

struct Thing
{
    QPainterPath outline;
    QColor fill;
};

// Things of clear colours on a gently shaded plain ground, none of them
// symmetric, so every kind of change has something to work on.
std::vector<Thing> things();
QImage objects();

// A drawn face (skin-coloured, with eyes, cheeks and a mouth) in the middle,
// with some of the things around it; `faceBox` is where the face is.
QImage face();
inline constexpr int FaceCentre = 175;
inline constexpr int FaceRadius = 70;

// Things close to the picture's edges, and only there.
QImage nearTheEdges();

// One colour all over, or a picture too small to hold anything.
QImage flat(const QColor &colour, int side = 350);

} // namespace PlantScenes
