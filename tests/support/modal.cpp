// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"

#include <QApplication>
#include <QTimer>

void onNextModal(std::function<void(QWidget *dialog)> action)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, attempts, action = std::move(action)] {
        QWidget *dialog = QApplication::activeModalWidget();
        // Gives up after a while so that a dialog that never opens fails the test, not hangs it.
        if (!dialog && ++*attempts < 1000)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog)
            action(dialog);
    });
    poll->start();
}
