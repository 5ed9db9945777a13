// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QWidget;

// How the game starts, shared by app/main.cpp and the bench probe so that
// what the bench times is the game's own start-up.

// First thing in main(), before the application exists: heap reuse and the
// font faces the window asks for.
void prepareGameProcess();

// Once the application exists: the window icon built into the program.
void prepareGameApplication(QApplication &app);

// Puts the window in the middle of the primary screen, when there is one.
void centreOnScreen(QWidget &window);
