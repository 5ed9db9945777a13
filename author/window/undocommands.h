// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QImage>
#include <QUndoCommand>

#include <vector>

namespace Maker {

class Draft;

class AddCircleCommand : public QUndoCommand
{
public:
    AddCircleCommand(Draft *draft, const Author::Circle &circle);
    void redo() override;
    void undo() override;

private:
    Draft *m_draft;
    Author::Circle m_circle;
    int m_index;
};

class RemoveCircleCommand : public QUndoCommand
{
public:
    RemoveCircleCommand(Draft *draft, int index);
    void redo() override;
    void undo() override;

private:
    Draft *m_draft;
    int m_index;
    Author::Circle m_circle;
};

// A circle moved or resized. Nudges of one circle with the arrow keys in a
// row merge into one step, as a drag is one step.
class ChangeCircleCommand : public QUndoCommand
{
public:
    ChangeCircleCommand(Draft *draft, int index, const Author::Circle &after, bool nudge);
    void redo() override;
    void undo() override;
    int id() const override { return m_nudge ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    Draft *m_draft;
    int m_index;
    Author::Circle m_before;
    Author::Circle m_after;
    bool m_nudge;
};

class SetLimitCommand : public QUndoCommand
{
public:
    SetLimitCommand(Draft *draft, int seconds);
    void redo() override;
    void undo() override;

private:
    Draft *m_draft;
    int m_before;
    int m_after;
};

// Both pictures, the circles and the limit at once: another part of the
// photos chosen with the frame.
class ReplaceQuestionCommand : public QUndoCommand
{
public:
    ReplaceQuestionCommand(Draft *draft, const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles,
        int limit, const QString &text);
    void redo() override;
    void undo() override;

private:
    Draft *m_draft;
    QImage m_beforeA;
    QImage m_afterA;
    QImage m_beforeB;
    QImage m_afterB;
    std::vector<Author::Circle> m_beforeCircles;
    std::vector<Author::Circle> m_afterCircles;
    int m_beforeLimit;
    int m_afterLimit;
};

} // namespace Maker
