// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The maker's questions to the grown-up, with buttons that say in Japanese
// what they do (Qt's own buttons would speak English here).
namespace Maker {

// True for yes; the safe answer (no) is the default.
bool askToReplace(QWidget *parent, const QString &title, const QString &text);

enum class Unsaved { Save, Discard, Cancel };
Unsaved askAboutUnsaved(QWidget *parent, const QString &title);

} // namespace Maker
