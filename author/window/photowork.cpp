// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/photowork.h"

#include <QtConcurrent>

namespace Maker {

PhotoWork::PhotoWork(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &PhotoWork::delivered);
}

PhotoWork::~PhotoWork()
{
    cancel();
    m_watcher.waitForFinished();
}

void PhotoWork::start(const QStringList &files, int count, quint64 seed)
{
    auto result = std::make_shared<Result>();
    result->files = files;
    result->count = count;
    result->seed = seed;
    run(result, true);
}

void PhotoWork::plantAgain(int count, quint64 seed)
{
    if (!onePhoto())
        return;
    auto result = std::make_shared<Result>(*m_last);
    result->count = count;
    result->seed = seed;
    run(result, false);
}

void PhotoWork::cutAgain(const QRect &square)
{
    if (!m_last)
        return;
    auto result = std::make_shared<Result>(*m_last);
    result->square = square;
    run(result, false);
}

void PhotoWork::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void PhotoWork::run(std::shared_ptr<Result> result, bool readFirst)
{
    if (isBusy())
        return;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_pending = result;
    m_watcher.setFuture(QtConcurrent::run([result, readFirst, cancel = m_cancel] {
        if (readFirst && result->files.size() == 1) {
            QString why;
            const std::optional<QImage> photo = Jobs::readPhoto(result->files.at(0), why);
            if (!photo) {
                result->problem = why;
                return;
            }
            result->photoA = *photo;
            result->square = Jobs::defaultSquare(photo->size());
        } else if (readFirst) {
            // Both photos at once: each decode keeps one core busy.
            QString whyB;
            QFuture<std::optional<QImage>> readingB
                = QtConcurrent::run([file = result->files.at(1), &whyB] { return Jobs::readPhoto(file, whyB); });
            QString whyA;
            const std::optional<QImage> a = Jobs::readPhoto(result->files.at(0), whyA);
            const std::optional<QImage> b = readingB.result();
            if (!a || !b) {
                result->problem = a ? whyB : whyA;
                return;
            }
            if (cancel->load())
                return;
            result->photoA = *a;
            result->photoB = *b;
            result->square = Jobs::defaultSquare(a->size());
        }
        if (cancel->load())
            return;
        result->made = result->files.size() == 1
            ? Jobs::questionFromOnePhoto(result->photoA, result->square, result->count, result->seed, cancel.get())
            : Jobs::questionFromTwoPhotos(result->photoA, result->photoB, result->square, cancel.get());
    }));
}

void PhotoWork::delivered()
{
    const std::shared_ptr<Result> result = std::move(m_pending);
    if (!result)
        return;
    // Stopped, even when the work ended before it heard: its result is dropped.
    if (m_cancel->load() || result->made.cancelled) {
        emit cancelled();
        return;
    }
    if (result->problem.isEmpty() && !result->made.a.isNull())
        m_last = std::make_unique<Result>(*result);
    emit finished(*result);
}

} // namespace Maker
