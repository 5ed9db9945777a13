// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Stands in for the person at the screen: answers questions and the folder
// chooser from queues filled by the test, and records everything shown.
class ScriptedUser : public Platform::User
{
public:
    enum class Kind { Question, Message, Error };
    struct Shown
    {
        Kind kind;
        QString text;
        bool operator==(const Shown &) const = default;
    };
    struct FolderRequest
    {
        QString prompt;
        QString root;
        QString current;
        bool operator==(const FolderRequest &) const = default;
    };

    // The next answer to a question: Platform::IdYes, IdNo or IdCancel.
    void answer(int result) { m_answers.enqueue(result); }
    // The next folder choice: a full path, or cancel.
    void pickFolder(const QString &path) { m_folders.enqueue(path); }
    void cancelFolder() { m_folders.enqueue(std::nullopt); }

    // Every question, message and error text, in the order shown.
    const QList<Shown> &shown() const { return m_shown; }
    QStringList questions() const { return texts(Kind::Question); }
    QStringList messages() const { return texts(Kind::Message); }
    QStringList errors() const { return texts(Kind::Error); }
    const QList<FolderRequest> &folderRequests() const { return m_folderRequests; }
    int unusedAnswers() const { return int(m_answers.size() + m_folders.size()); }

    int ask(const QString &message) override;
    void message(const QString &message) override { m_shown.append({ Kind::Message, message }); }
    void error(const QString &boxText) override { m_shown.append({ Kind::Error, boxText }); }
    std::optional<QString> chooseFolder(
        const QString &prompt, const QString &root, const QString &current) override;

private:
    QStringList texts(Kind kind) const;

    QQueue<int> m_answers;
    QQueue<std::optional<QString>> m_folders;
    QList<Shown> m_shown;
    QList<FolderRequest> m_folderRequests;
};
