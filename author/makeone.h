// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/outcome.h"
#include "author/plant.h"
#include "author/question.h"

#include <QRect>
#include <QStringList>

#include <optional>

namespace Author {

// `make FOLDER/NAME PHOTO` with its options: a question from one photo.
struct OnePhotoRequest
{
    QuestionPath question;
    QString photo;
    int differences = DefaultPlanted;
    std::optional<quint64> seed;        // picked anew and told when not given
    std::optional<QRect> square;        // in the photo's pixels; the middle when not given
    bool bitmap = false;
    std::optional<int> limit;           // from the differences when not given
};

// The words after `make` when they name one photo. Nothing, with `why`
// empty, when they name two photos (the two-photo make reads them); nothing,
// with `why` set, on a usage error.
std::optional<OnePhotoRequest> parseOnePhotoMake(const QStringList &words, QString &why);

// Cuts picture A from the photo, plants the differences into B and writes
// both with the answer file, all or nothing.
Outcome makeFromOnePhoto(const OnePhotoRequest &request);

} // namespace Author
