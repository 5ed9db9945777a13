// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launchtexts.h"

namespace LaunchTexts {

namespace {

QString both(const QString &japanese, const QString &english)
{
    return japanese + QLatin1Char('\n') + english;
}

} // namespace

QString windowTitle()
{
    return QStringLiteral("ぴむかろを起動できません");
}

QString noHome()
{
    return both(QStringLiteral("ホームフォルダが分からないので、ぴむかろのフォルダを用意できません（HOME が設定されていません）。"),
                QStringLiteral("HOME is not set: there is no home folder for the play folder ~/ぴむかろ."));
}

QString dataMissing(const QString &folder)
{
    return both(QStringLiteral("ぴむかろのデータがありません: %1\nぴむかろをインストールし直してください。").arg(folder),
                QStringLiteral("The game's data is missing: %1 (install the game again).").arg(folder));
}

QString fileInTheWay(const QString &playFolder)
{
    return both(QStringLiteral("「%1」はフォルダではなくファイルなので、ぴむかろのフォルダにできません。"
                               "そのファイルの名前を変えるか、別の場所に移してください。")
                    .arg(playFolder),
                QStringLiteral("%1 is a file, not a folder, so the play folder can not be made there.").arg(playFolder));
}

QString danglingLink(const QString &playFolder)
{
    return both(QStringLiteral("「%1」はどこも指していないリンクなので、ぴむかろのフォルダにできません。"
                               "リンクの先を用意するか、リンクを別の場所に移してください。")
                    .arg(playFolder),
                QStringLiteral("%1 is a link that leads nowhere, so the play folder can not be made there.")
                    .arg(playFolder));
}

QString cannotMake(const QString &playFolder, const QString &reason)
{
    return both(QStringLiteral("ぴむかろのフォルダ「%1」を作れません（%2）。").arg(playFolder, reason),
                QStringLiteral("Can not make the play folder %1 (%2).").arg(playFolder, reason));
}

QString cannotWrite(const QString &playFolder)
{
    return both(QStringLiteral("ぴむかろのフォルダ「%1」に書き込めません。").arg(playFolder),
                QStringLiteral("Can not write to the play folder %1.").arg(playFolder));
}

QString cannotCopy(const QString &sampleFolder, const QString &reason)
{
    return both(QStringLiteral("サンプルの問題を「%1」にコピーできません（%2）。").arg(sampleFolder, reason),
                QStringLiteral("Can not copy the sample questions to %1 (%2).").arg(sampleFolder, reason));
}

QString cannotStart(const QString &game, const QString &reason)
{
    return both(QStringLiteral("ゲーム「%1」を起動できません（%2）。").arg(game, reason),
                QStringLiteral("Can not start the game %1 (%2).").arg(game, reason));
}

} // namespace LaunchTexts
