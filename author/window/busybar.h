// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace Maker {

// Says that work is under way in the status bar, with a button to stop it.
class BusyBar : public QWidget
{
    Q_OBJECT

public:
    explicit BusyBar(QWidget *parent = nullptr);
    void start(const QString &what);
    void stop();
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

private:
    QLabel *m_what;
    QPushButton *m_cancel;
};

} // namespace Maker
