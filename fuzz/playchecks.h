// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class TForm1;

// Plays the question just loaded for a moment, with whatever values its
// answer file held: the announcement and the clock, a click at each corner
// and at every circle, and the answer-setting mode's marks and nudges. The
// game record must keep its limits throughout; the sanitizers watch the
// arithmetic on the file's values.
namespace Fuzz {

void playLoadedQuestion(TForm1 &form);

} // namespace Fuzz
