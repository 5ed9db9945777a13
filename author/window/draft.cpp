// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/draft.h"

#include "author/finder.h"

namespace Maker {

Draft::Draft(QObject *parent)
    : QObject(parent)
{
}

void Draft::setQuestion(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles, int limit)
{
    const bool newPictures = a.cacheKey() != m_a.cacheKey() || b.cacheKey() != m_b.cacheKey();
    m_a = a;
    m_b = b;
    if (newPictures)
        m_changes = (a.isNull() || a.size() != b.size()) ? std::vector<Author::Circle>() : Author::findDifferences(a, b);
    m_circles = circles;
    m_limit = limit;
    if (newPictures)
        emit picturesChanged();
    emit circlesChanged();
    emit limitChanged();
}

void Draft::insertCircle(int index, const Author::Circle &circle)
{
    m_circles.insert(m_circles.begin() + index, circle);
    emit circlesChanged();
}

void Draft::removeCircle(int index)
{
    m_circles.erase(m_circles.begin() + index);
    emit circlesChanged();
}

void Draft::replaceCircle(int index, const Author::Circle &circle)
{
    m_circles[std::size_t(index)] = circle;
    emit circlesChanged();
}

void Draft::setLimit(int seconds)
{
    m_limit = seconds;
    emit limitChanged();
}

} // namespace Maker
