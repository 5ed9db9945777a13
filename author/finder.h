// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/circle.h"

#include <QImage>
#include <QString>

#include <vector>

namespace Author {

// What the finder makes of two pictures of the same size.
struct FoundDifferences
{
    std::vector<Circle> circles; // one per change, none sharing any pixel
    QString problem; // why the circles cannot make an answer file, or empty
};

// The changes between two pictures of one scene, one circle each. Colours are
// compared as people see them (Lab), each pixel against the best match a
// pixel around it in the other picture, so an edge moved by less than a pixel,
// JPEG noise and a camera's gentle noise give nothing; the threshold is
// learned from the pair's own noise. A change too large for a circle of
// radius 99, changes too close to get circles of their own, more than 99
// changes (the finder stops counting there) and no change at all are problems.
FoundDifferences findChanges(const QImage &a, const QImage &b);

// findChanges' circles; a change too large for one circle gets the largest
// circle on its middle.
std::vector<Circle> findDifferences(const QImage &a, const QImage &b);

} // namespace Author
