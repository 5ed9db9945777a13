// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QImage>
#include <QObject>

#include <vector>

namespace Maker {

// The question on the maker's table: both pictures, the answer circles and
// the time limit. Undo commands change it; the views follow its signals.
class Draft : public QObject
{
    Q_OBJECT

public:
    explicit Draft(QObject *parent = nullptr);

    bool isEmpty() const { return m_a.isNull(); }
    const QImage &a() const { return m_a; }
    const QImage &b() const { return m_b; }
    const std::vector<Author::Circle> &circles() const { return m_circles; }
    // What the finder sees changed between A and B, one circle per change.
    const std::vector<Author::Circle> &changes() const { return m_changes; }
    int limit() const { return m_limit; }

    void setQuestion(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles, int limit);
    void insertCircle(int index, const Author::Circle &circle);
    void removeCircle(int index);
    void replaceCircle(int index, const Author::Circle &circle);
    void setLimit(int seconds);

signals:
    void picturesChanged();
    void circlesChanged();
    void limitChanged();

private:
    QImage m_a;
    QImage m_b;
    std::vector<Author::Circle> m_circles;
    std::vector<Author::Circle> m_changes;
    int m_limit = 60;
};

} // namespace Maker
