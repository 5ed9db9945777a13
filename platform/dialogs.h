// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace Platform {

// What a question or message box was closed with.
enum DialogResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// The "確認" question with "はい(&Y)" and "いいえ(&N)": IdYes, IdNo, or IdCancel
// when the close box shut it.
int askQuestion(const QString &message);
// A message with an OK button, captioned with the application title.
void showMessage(const QString &message);
// The error box: the message with the error box's "." rule applied.
void showError(const QString &message);

// The program file's name without folder and without everything from its
// first ".", every letter after the first in lower case.
QString applicationTitle();
QString titleFromProgramPath(const QString &path);

} // namespace Platform
