// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// Why the generator could not make a file; the tool prints it and fails.
class AssetError : public std::exception
{
public:
    explicit AssetError(const QString &message)
        : m_message(message)
        , m_utf8(message.toUtf8())
    {
    }
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
