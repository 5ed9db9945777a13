// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/outcome.h"
#include "author/question.h"

namespace Author {

struct ProposeOptions
{
    bool write = false; // write NAME_Ans.txt instead of printing it
    bool force = false; // replace an answer file that is already there
    int limit = DefaultLimit;
};

// Finds the differences of a question's pictures and prints, or writes, the
// answer file with one circle per difference.
Outcome propose(const QuestionPath &question, const ProposeOptions &options);

} // namespace Author
