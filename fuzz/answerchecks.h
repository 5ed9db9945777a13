// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

class EGameError;
class TForm1;

// What loading an answer file must leave in the game record and the answer
// list, whether the load succeeded or stopped at an error.
namespace Fuzz {

// Puts marks into the record that a load must either replace or leave alone:
// every entry of Answers and the time limit.
void markRecord(TForm1 &form);

// Checks the window after loading the answer file of these bytes; error is
// what the load threw, or nullptr.
void checkAnswerLoad(const TForm1 &form, const QByteArray &bytes, const EGameError *error);

} // namespace Fuzz
