// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/questionfiles.h"

#include "rules/files.h"

namespace {
const QString PictureASuffix = QStringLiteral("_A");
}

QStringList QuestionNamesAmong(const QStringList &pictureNames)
{
    QStringList names;
    for (const QString &file : pictureNames) {
        const QString stem = Platform::removeExtension(file);
        if (stem.endsWith(PictureASuffix, Qt::CaseSensitive))
            names << stem.chopped(PictureASuffix.size());
    }
    return names;
}

QuestionPictureFiles PictureFilesOf(const QString &questionDir, const QString &questionName)
{
    const QString stem = questionDir + questionName;
    const QString bitmapA = Platform::resolvePath(stem + QStringLiteral("_A.bmp"));
    if (Platform::fileExists(bitmapA))
        return {bitmapA, Platform::resolvePath(stem + QStringLiteral("_B.bmp"))};
    return {Platform::resolvePath(stem + QStringLiteral("_A.jpg")),
        Platform::resolvePath(stem + QStringLiteral("_B.jpg"))};
}

QString AnswerFileOf(const QString &questionDir, const QString &questionName)
{
    return Platform::resolvePath(questionDir + questionName + QStringLiteral("_Ans.txt"));
}
