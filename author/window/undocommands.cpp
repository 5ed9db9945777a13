// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/undocommands.h"

#include "author/window/draft.h"

namespace Maker {

AddCircleCommand::AddCircleCommand(Draft *draft, const Author::Circle &circle)
    : QUndoCommand(QStringLiteral("円を足す"))
    , m_draft(draft)
    , m_circle(circle)
    , m_index(int(draft->circles().size()))
{
}

void AddCircleCommand::redo()
{
    m_draft->insertCircle(m_index, m_circle);
}

void AddCircleCommand::undo()
{
    m_draft->removeCircle(m_index);
}

RemoveCircleCommand::RemoveCircleCommand(Draft *draft, int index)
    : QUndoCommand(QStringLiteral("円を消す"))
    , m_draft(draft)
    , m_index(index)
    , m_circle(draft->circles().at(std::size_t(index)))
{
}

void RemoveCircleCommand::redo()
{
    m_draft->removeCircle(m_index);
}

void RemoveCircleCommand::undo()
{
    m_draft->insertCircle(m_index, m_circle);
}

ChangeCircleCommand::ChangeCircleCommand(Draft *draft, int index, const Author::Circle &after, bool nudge)
    : QUndoCommand(nudge || after.r == draft->circles().at(std::size_t(index)).r ? QStringLiteral("円を動かす")
                                                                                 : QStringLiteral("円の大きさを変える"))
    , m_draft(draft)
    , m_index(index)
    , m_before(draft->circles().at(std::size_t(index)))
    , m_after(after)
    , m_nudge(nudge)
{
}

void ChangeCircleCommand::redo()
{
    m_draft->replaceCircle(m_index, m_after);
}

void ChangeCircleCommand::undo()
{
    m_draft->replaceCircle(m_index, m_before);
}

bool ChangeCircleCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const ChangeCircleCommand *>(other);
    if (next->m_index != m_index)
        return false;
    m_after = next->m_after;
    return true;
}

SetLimitCommand::SetLimitCommand(Draft *draft, int seconds)
    : QUndoCommand(QStringLiteral("制限時間を %1 秒にする").arg(seconds))
    , m_draft(draft)
    , m_before(draft->limit())
    , m_after(seconds)
{
}

void SetLimitCommand::redo()
{
    m_draft->setLimit(m_after);
}

void SetLimitCommand::undo()
{
    m_draft->setLimit(m_before);
}

ReplaceQuestionCommand::ReplaceQuestionCommand(Draft *draft, const QImage &a, const QImage &b,
    const std::vector<Author::Circle> &circles, int limit, const QString &text)
    : QUndoCommand(text)
    , m_draft(draft)
    , m_beforeA(draft->a())
    , m_afterA(a)
    , m_beforeB(draft->b())
    , m_afterB(b)
    , m_beforeCircles(draft->circles())
    , m_afterCircles(circles)
    , m_beforeLimit(draft->limit())
    , m_afterLimit(limit)
{
}

void ReplaceQuestionCommand::redo()
{
    m_draft->setQuestion(m_afterA, m_afterB, m_afterCircles, m_afterLimit);
}

void ReplaceQuestionCommand::undo()
{
    m_draft->setQuestion(m_beforeA, m_beforeB, m_beforeCircles, m_beforeLimit);
}

} // namespace Maker
