// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/scene.h"

#include <QString>

#include <vector>

// Harder question pairs for measuring how well the author's tool finds
// differences: photo-like scenes (uneven light, a textured ground, camera
// noise drawn anew for each picture) with shapes added, removed, recoloured
// and moved, each picture saved on its own as a JPEG of quality 70 to 95.
namespace HardPairs {

struct Question
{
    QString name;
    std::vector<AnswerCircle> truth; // one circle per difference drawn
};

// Writes `count` questions (NAME_A.jpg, NAME_B.jpg) into the folder, the
// same ones for the same seed; throws AssetError.
std::vector<Question> write(const QString &folder, int count, unsigned seed);

// `count` photo-like pictures of such scenes (before any difference), the
// same ones for the same seed: the photos the one-photo make starts from.
std::vector<QImage> photos(int count, unsigned seed);

} // namespace HardPairs
