// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The runtime errors the game can meet. Each ends the handler that was running
// and is shown in the error box; the class name tells tests which one it was.
class EGameError : public std::exception
{
public:
    explicit EGameError(const QString &message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8; // outlives every what() call
};

#define PIMUKARO_ERROR_CLASS(Name)                                                                           \
    class Name : public EGameError                                                                           \
    {                                                                                                        \
    public:                                                                                                  \
        using EGameError::EGameError;                                                                        \
    };

PIMUKARO_ERROR_CLASS(EInvalidGraphic)
PIMUKARO_ERROR_CLASS(EInvalidOperation)
PIMUKARO_ERROR_CLASS(EJPEG)
PIMUKARO_ERROR_CLASS(EFOpenError)
PIMUKARO_ERROR_CLASS(EFCreateError)
PIMUKARO_ERROR_CLASS(EStringListError)
PIMUKARO_ERROR_CLASS(EOutOfResources)
PIMUKARO_ERROR_CLASS(EReadError)
PIMUKARO_ERROR_CLASS(EWriteError)
PIMUKARO_ERROR_CLASS(EConvertError)
PIMUKARO_ERROR_CLASS(EDivByZero)

#undef PIMUKARO_ERROR_CLASS

namespace Errors {
// The messages, word for word as the user sees them (before the error box's ".").
QString unknownExtension(const QString &extension); // "拡張子 .%s の画像形式は処理できません"
QString invalidBitmap();                            // "ビットマップイメージが不正です"
QString jpegError(int messageCode);                 // "JPEG エラー #%d"
QString cannotOpen(const QString &fileName);        // "ファイル %s は開けません"
QString cannotCreate(const QString &fileName);      // "ファイル %s を作成できません"
QString listIndex(int index);                       // "リストのインデックスが範囲を超えています (%d)"
QString cannotInsertLine();                         // "行を挿入できません"
QString noTimer();                                  // "タイマーを取得できません"
QString readError();                                // "ストリームからの読み込みエラー"
QString writeError();                               // "ストリームへの書き込みエラー"
QString notAnInteger(const QString &text);          // "'%s' is not a valid integer value"
QString divisionByZero();                           // "Division by zero"
QString onlyBitmapCanvas();                         // "ビットマップを持っている時のみイメージの変更が可能です"

// The text the error box shows: a "." is appended when the message is not
// empty and its last character sorts after "." (every Japanese character does).
QString boxText(const QString &message);
} // namespace Errors
