// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The view operations the game calls by name: the overlay and its marks,
// repainting at once, waiting, and the sound cues.

#include "form/Pimukaro_Main.h"

#include "platform/controls/canvas.h"
#include "platform/controls/imageview.h"
#include "platform/dispatch.h"
#include "platform/sound.h"

void TForm1::ClearOverlay()
{
    Img_Ans->clear();
    Canvas &canvas = Img_Ans->canvas();
    canvas.setPenColor(Qt::white);
    canvas.rectangle(0, 0, Img_Ans->width(), Img_Ans->height());
}

void TForm1::DrawMark(int x, int y, int r)
{
    Canvas &canvas = Img_Ans->canvas();
    canvas.setPenWidth(5);
    canvas.setPenColor(QColor(0xFF, 0x00, 0x00));
    canvas.ellipse(x - r, y - r, x + r, y + r);
}

void TForm1::RepaintNow()
{
    repaint();
}

void TForm1::Pause(int ms)
{
    Platform::waitDispatching(ms);
}

void TForm1::PlaySound(const QString &fileName)
{
    Platform::playSound(fileName);
}
