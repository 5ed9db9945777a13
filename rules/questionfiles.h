// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/constants.h"

#include <QString>
#include <QStringList>

// How the files of a question folder are named, as the catalogue and the
// loading of a question read them.

// The questions among the pictures of one kind: every "<name>_A.<ext>", the
// "_A" in capitals.
QStringList QuestionNamesAmong(const QStringList &pictureNames);

// The two pictures a question loads: the bitmaps when picture A is a bitmap,
// else the JPEGs; each path spelt as on disk where a file matches it.
struct QuestionPictureFiles
{
    QString a;
    QString b;
};
QuestionPictureFiles PictureFilesOf(const QString &questionDir, const QString &questionName);

// "<name>_Ans.txt" in the folder, spelt as on disk where a file matches it.
QString AnswerFileOf(const QString &questionDir, const QString &questionName);
