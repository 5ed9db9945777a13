// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the game's start-up: a bare Qt Widgets program that opens a
// window of the game's size holding the same kinds and number of controls, in
// the same places, with the same texts and the same ones hidden, and nothing
// else: no fonts chosen, no pictures, no sounds, no question folder. Started
// and timed by the bench exactly as the game's probe is, it prints
//   "painted <main> <shown> <painted> <resident kB>"

#include "bench/benchclock.h"
#include "bench/firstscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

namespace {

QLabel *label(QWidget *parent, const QRect &bounds, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(bounds);
    return l;
}

QFrame *panel(QWidget *parent, const QRect &bounds)
{
    auto *p = new QFrame(parent);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setGeometry(bounds);
    return p;
}

QPushButton *button(QWidget *parent, const QRect &bounds, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(bounds);
    return b;
}

QListWidget *list(QWidget *parent, const QRect &bounds)
{
    auto *l = new QListWidget(parent);
    l->setGeometry(bounds);
    return l;
}

// The game's window control for control (form/layout.cpp), as plain widgets.
void addControls(QWidget *window)
{
    label(window, { 379, 60, 169, 21 }, QStringLiteral("がんばってね！！"));
    label(window, { 8, 8, 221, 13 }, QStringLiteral("解答を設定する問題を選択して下さい"));
    QFrame *pictureA = panel(window, { 7, 85, 360, 360 });
    label(pictureA, { 5, 5, 350, 350 }, QString());
    QFrame *pictureB = panel(window, { 375, 85, 360, 360 });
    label(pictureB, { 6, 5, 350, 350 }, QString());
    label(pictureB, { 6, 5, 350, 350 }, QString());

    auto *status = new QStatusBar(window);
    status->setGeometry(0, 450, 742, 24);
    status->setSizeGripEnabled(false);
    status->addWidget(
        new QLabel(QStringLiteral("ちがうところを みつけて クリックしてね。もんだいは フォルダに いれて ふやせます。"), status), 1);

    QFrame *title = panel(window, { 69, 128, 601, 265 });
    label(title, { 56, 40, 501, 33 }, QStringLiteral("さあ，たのしいゲームをはじめよう！"));
    button(title, { 24, 192, 337, 49 }, QStringLiteral("はじめる"));
    button(title, { 384, 192, 193, 49 }, QStringLiteral("やめる"));
    auto *group = new QGroupBox(QStringLiteral("  もんだい "), title);
    group->setGeometry(24, 104, 553, 65);
    label(group, { 168, 24, 228, 24 }, QStringLiteral("サンプルもんだい（３もん）"));
    button(group, { 11, 20, 145, 33 }, QStringLiteral("もんだいをかえる"));

    QFrame *message = panel(title, { 2, 2, 597, 261 });
    label(message, { 8, 16, 577, 100 }, QStringLiteral("やったね！"));
    label(message, { 8, 136, 577, 37 }, QStringLiteral("もんだいはぜんぶおわったよ！"));
    button(message, { 408, 200, 169, 41 }, QStringLiteral("は　い"));
    button(message, { 280, 200, 113, 41 }, QStringLiteral("やめる"));
    message->hide();

    QFrame *banner = panel(window, { 375, 6, 360, 41 });
    label(banner, { 25, 6, 231, 33 }, QStringLiteral("ぴむかろ"));
    label(banner, { 23, 4, 231, 33 }, QStringLiteral("ぴむかろ"));
    label(banner, { 272, 20, 72, 16 }, QStringLiteral("Ver.2.00"));

    auto *questions = new QComboBox(window);
    questions->setGeometry(8, 24, 359, 21);

    QFrame *misses = panel(window, { 8, 5, 359, 76 });
    label(misses, { 6, 8, 253, 21 }, QStringLiteral("ミスは３かいまでだよ："));
    label(misses, { 253, 4, 99, 33 }, QStringLiteral("×××"));
    label(misses, { 8, 34, 120, 13 }, QStringLiteral("せいげんじかん："));
    label(misses, { 253, 4, 99, 33 }, QString());
    auto *time = new QProgressBar(misses);
    time->setGeometry(4, 50, 351, 21);
    time->setValue(100);

    button(window, { 676, 54, 59, 25 }, QStringLiteral("こうさん"))->hide();

    QFrame *answers = panel(window, { 375, 4, 360, 76 });
    label(answers, { 193, 37, 72, 12 }, QStringLiteral("制限時間（秒）"));
    list(answers, { 5, 5, 100, 66 });
    button(answers, { 192, 5, 65, 28 }, QStringLiteral("追加/修正"));
    button(answers, { 263, 5, 43, 22 }, QStringLiteral("削除"));
    button(answers, { 312, 49, 43, 22 }, QStringLiteral("終了"));
    button(answers, { 312, 5, 43, 22 }, QStringLiteral("確認"));
    button(answers, { 135, 7, 25, 25 }, QStringLiteral("↑"));
    button(answers, { 135, 34, 25, 25 }, QStringLiteral("↓"));
    button(answers, { 110, 20, 24, 25 }, QStringLiteral("←"));
    button(answers, { 160, 20, 24, 25 }, QStringLiteral("→"));
    button(answers, { 110, 46, 24, 25 }, QStringLiteral("－"));
    button(answers, { 160, 46, 24, 25 }, QStringLiteral("＋"));
    auto *limit = new QComboBox(answers);
    limit->setGeometry(192, 51, 61, 20);
    button(answers, { 263, 49, 43, 22 }, QStringLiteral("保存"));
    list(answers, { 16, 16, 57, 33 })->hide();
    answers->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    const std::int64_t mainStarted = BenchClock::monotonicNs();
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("ぴむかろ Ver.2.00"));
    window.setFixedSize(742, 474);
    addControls(&window);

    int exitCode = 0;
    // A window that is never painted must not hang the bench.
    QTimer neverPainted;
    neverPainted.setSingleShot(true);
    QObject::connect(&neverPainted, &QTimer::timeout, &app, [&] {
        std::fprintf(stderr, "pimukaro-bench-floor: the window was not painted within 30 s\n");
        exitCode = 3;
        app.quit();
    });
    FirstScreen firstScreen(&window, [&](const FirstScreen::Times &times) {
        neverPainted.stop();
        QTimer::singleShot(SettleMs, &app, [&, times] {
            printStartUp(mainStarted, times, residentKb());
            app.quit();
        });
    });
    neverPainted.start(30000);
    window.show();
    app.exec();
    return exitCode;
}
