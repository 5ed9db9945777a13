// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Labels and image views are drawn on their parent's surface in the game's
// model of controls: they have no window of their own. Such widgets mark
// themselves so that stacking can tell them apart.
void markWindowless(QWidget *widget);
bool isWindowless(const QWidget *widget);

// Orders the children of `parent` the way the window system stacks controls:
// every windowless child lies beneath every windowed sibling; within each
// group a child created later lies above one created earlier. Call it once the
// children exist (it keeps their present order within each group).
void stackLikeWindows(QWidget *parent);
// The same for `root` and every widget below it.
void stackTreeLikeWindows(QWidget *root);
