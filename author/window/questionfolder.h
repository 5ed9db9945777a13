// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// Questions in the play folder as the game lists and loads them: where they
// go, which names it can use, reading one and writing one.
namespace Maker {

// ~/ぴむかろ, the folder the game's menu entry plays in.
QString playFolder();

// The question folders in the play folder, by name.
QStringList questionFolders();

// The questions of a folder, in the game's order (bitmaps first).
QStringList questionsIn(const QString &folder);

// Why the game could not list or play a question of that name, or empty.
QString nameProblem(const QString &name);
// Why nothing can be saved into the folder (missing, not writable, full for
// a new question), or empty.
QString folderProblem(const QString &folder, bool newQuestion);
// The files of the question already in the folder, letter case ignored.
QStringList existingFiles(const QString &folder, const QString &name);

struct OpenedQuestion
{
    QImage a;
    QImage b;
    std::vector<Author::Circle> circles;
    int limit = 60;
    QString problem; // the question cannot be opened: why
    QString note;    // opened, but worth saying
};

// Reads a question's pictures and answer file as the game reads them.
OpenedQuestion openQuestion(const QString &folder, const QString &name);

// Writes NAME_A, NAME_B and NAME_Ans.txt with the command line's writer:
// each file atomic, the answer file in CR LF, all or nothing (a failure puts
// back what was there). A replaced bitmap question stays bitmaps, so the game
// still loads the new pictures. Empty on success, else the reason.
QString writeQuestion(const QString &folder, const QString &name, const QImage &a, const QImage &b,
    const std::vector<Author::Circle> &circles, int limit);

} // namespace Maker
