// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/errors.h"

EGameError::EGameError(const QString &message)
    : m_message(message)
    , m_utf8(message.toUtf8())
{
}

namespace Errors {

QString unknownExtension(const QString &extension)
{
    return QStringLiteral("拡張子 .%1 の画像形式は処理できません").arg(extension);
}

QString invalidBitmap() { return QStringLiteral("ビットマップイメージが不正です"); }
QString jpegError(int messageCode) { return QStringLiteral("JPEG エラー #%1").arg(messageCode); }
QString cannotOpen(const QString &fileName) { return QStringLiteral("ファイル %1 は開けません").arg(fileName); }
QString cannotCreate(const QString &fileName) { return QStringLiteral("ファイル %1 を作成できません").arg(fileName); }
QString listIndex(int index) { return QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index); }
QString cannotInsertLine() { return QStringLiteral("行を挿入できません"); }
QString noTimer() { return QStringLiteral("タイマーを取得できません"); }
QString readError() { return QStringLiteral("ストリームからの読み込みエラー"); }
QString writeError() { return QStringLiteral("ストリームへの書き込みエラー"); }
QString notAnInteger(const QString &text) { return QStringLiteral("'%1' is not a valid integer value").arg(text); }
QString divisionByZero() { return QStringLiteral("Division by zero"); }
QString onlyBitmapCanvas() { return QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"); }

QString boxText(const QString &message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

} // namespace Errors
