// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recordinguser.h"
#include "installed.h"
#include "recordingspeaker.h"

#include <QString>
#include <memory>

class TForm1;

// The game for the in-process benchmarks: one window, made on first use in the
// bench's play folder and shown on the offscreen screen, with sounds recorded
// and dialogs answered by the bench instead of blocking.
class BenchGame
{
public:
    // The play folder must already be laid out (ScratchPlay::write).
    explicit BenchGame(const QString &playFolder);
    ~BenchGame();
    BenchGame(const BenchGame &) = delete;
    BenchGame &operator=(const BenchGame &) = delete;

    static BenchGame &instance();

    QString playFolder() const { return m_playFolder; }
    TForm1 &form();
    // The window as it is just after start-up: the old one closed unasked and
    // a new one made.
    TForm1 &freshForm();
    // Makes a folder of the play folder the question folder and lists it.
    void useFolder(const QString &name);
    // Selects a question of the listed folder by name; false if it is not listed.
    bool select(const QString &question);
    // What went wrong since the last call, empty when nothing did: a dialog
    // shown or an error raised by the game.
    QString takeProblem();

    Installed<RecordingSpeaker> speaker;
    Installed<RecordingUser> user;

private:
    QString m_playFolder;
    std::unique_ptr<TForm1> m_form;
};
