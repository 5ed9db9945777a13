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

void PhotoWork::start(const QStringList &files)
{
    auto result = std::make_shared<Result>();
    result->files = files;
    run(result, true);
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
        if (readFirst) {
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
        result->made = Jobs::questionFromTwoPhotos(result->photoA, result->photoB, result->square, cancel.get());
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
