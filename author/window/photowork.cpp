// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/photowork.h"

#include "author/photo.h"
#include "author/square.h"

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
    // Rounded from the screen, the frame may reach a pixel past what may be cut.
    result->square = Jobs::keptInside(square, m_last->made.common);
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
            const std::optional<QImage> photo = Author::readPhoto(result->files.at(0), why);
            if (!photo) {
                result->problem = why;
                return;
            }
            result->photoA = *photo;
            result->square = Author::defaultSquare(photo->size());
        } else if (readFirst) {
            // Both photos at once: each decode keeps one core busy.
            QString whyB;
            QFuture<std::optional<QImage>> readingB
                = QtConcurrent::run([file = result->files.at(1), &whyB] { return Author::readPhoto(file, whyB); });
            QString whyA;
            const std::optional<QImage> a = Author::readPhoto(result->files.at(0), whyA);
            const std::optional<QImage> b = readingB.result();
            if (!a || !b) {
                result->problem = a ? whyB : whyA;
                return;
            }
            if (cancel->load())
                return;
            result->photoA = *a;
            result->photoB = *b;
        }
        if (cancel->load())
            return;
        if (result->files.size() == 1) {
            result->made = Jobs::questionFromOnePhoto(result->photoA, result->square, result->count, result->seed, cancel.get());
            return;
        }
        // New photos: the middle of what both show, once B is laid over A.
        result->made = Jobs::questionFromTwoPhotos(result->photoA, result->photoB,
            readFirst ? std::nullopt : std::optional<QRect>(result->square), cancel.get());
        result->square = result->made.square;
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
