// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/busybar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace Maker {

BusyBar::BusyBar(QWidget *parent)
    : QWidget(parent)
    , m_what(new QLabel)
    , m_cancel(new QPushButton(QStringLiteral("やめる")))
{
    auto *bar = new QProgressBar;
    bar->setRange(0, 0); // no end known: the bar just moves
    bar->setMaximumWidth(160);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_what);
    row->addWidget(bar);
    row->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &BusyBar::cancelRequested);
    hide();
}

void BusyBar::start(const QString &what)
{
    m_what->setText(what);
    m_cancel->setEnabled(true);
    show();
}

void BusyBar::stop()
{
    hide();
}

} // namespace Maker
