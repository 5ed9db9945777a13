// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/circle.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Author {

// A question named on the command line as FOLDER/NAME.
struct QuestionPath
{
    QString folder; // ends in "/"; "./" when only a name was given
    QString name;
};
QuestionPath splitQuestionPath(const QString &argument);

// A limit given in seconds, when it is one of the game's time choices.
std::optional<int> timeChoiceSeconds(const QString &text);
inline constexpr int DefaultLimit = 60;

// The two pictures of a question, read as the game reads them.
struct PicturePair
{
    QString fileA;
    QString fileB;
    QImage a;
    QImage b;
};

// Loads and decodes both pictures the game would load for the question.
// Throws the game's errors (EGameError) as the game would raise them.
PicturePair loadQuestionPictures(const QString &folder, const QString &name);


// Whether a picture has the size the game's views show whole: a circle
// beyond it could never be clicked.
bool isQuestionSized(QSize picture);

// One line of a message for the person at the keyboard, naming the question
// (or the folder) first.
QString messageLine(const QString &subject, const QString &text);

} // namespace Author
