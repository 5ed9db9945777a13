// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/window/jobs.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

namespace Maker {

// Photos made into a question off the window's thread, one piece of work at
// a time, which the grown-up can stop. The photos of the last question made
// are kept, so another part of them can be cut without reading them again.
class PhotoWork : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QStringList files;
        QImage photoA;
        QImage photoB;
        QRect square; // in photo A's pixels
        int count = Author::DefaultPlanted; // with one photo: the differences planted
        quint64 seed = 1;
        Jobs::MadeQuestion made;
        QString problem; // a photo could not be read
    };

    explicit PhotoWork(QObject *parent = nullptr);
    ~PhotoWork() override;

    // Reads one photo (and plants `count` differences) or two (at once, and
    // finds theirs), and makes the question from their middle.
    void start(const QStringList &files, int count, quint64 seed);
    // Another square of the photos last made into a question.
    void cutAgain(const QRect &square);
    // One photo: other differences, or another number of them.
    void plantAgain(int count, quint64 seed);
    bool onePhoto() const { return m_last && m_last->files.size() == 1; }
    void cancel();

    // From the start until the result is delivered.
    bool isBusy() const { return m_pending != nullptr; }
    // The photos last made into a question; null before any.
    const Result *photos() const { return m_last.get(); }

signals:
    void finished(const Maker::PhotoWork::Result &result);
    void cancelled();

private:
    void run(std::shared_ptr<Result> result, bool readFirst);
    void delivered();

    QFutureWatcher<void> m_watcher;
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<Result> m_pending;
    std::unique_ptr<Result> m_last;
};

} // namespace Maker
