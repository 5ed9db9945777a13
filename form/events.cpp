// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which handler each control raises.

#include "form/Pimukaro_Main.h"

#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"
#include "rules/errors.h"
#include "platform/gametimer.h"

#include <QPushButton>

void TForm1::connectHandlers()
{
    const auto onClick = [this](QPushButton *button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    const auto onMouseUp = [this](auto *control, void (TForm1::*handler)(Qt::MouseButton, int, QPoint)) {
        connect(control, &std::remove_pointer_t<decltype(control)>::mouseUp, this,
                [this, handler](Qt::MouseButton button, int shift, QPoint pos) {
                    run([=, this] { (this->*handler)(button, shift, pos); });
                });
    };

    onMouseUp(Img_Ans, &TForm1::Img_AnsMouseUp);
    onMouseUp(B_GameStart, &TForm1::B_GameStartMouseUp);
    onMouseUp(L_Title, &TForm1::L_TitleMouseUp);

    onClick(B_GameEnd, &TForm1::B_GameEndClick);
    onClick(B_QChange, &TForm1::B_QChangeClick);
    onClick(B_GameMsgOK, &TForm1::B_GameMsgOKClick);
    onClick(B_GameMsgNG, &TForm1::B_GameMsgNGClick);
    onClick(B_GiveUp, &TForm1::B_GiveUpClick);
    onClick(B_Add, &TForm1::B_AddClick);
    onClick(B_Del, &TForm1::B_DelClick);
    onClick(B_End, &TForm1::B_EndClick);
    onClick(B_Check, &TForm1::B_CheckClick);
    onClick(B_Save, &TForm1::B_SaveClick);
    for (QPushButton *nudge : {B_D1, B_D2, B_D3, B_D4, B_D5, B_D6})
        connect(nudge, &QPushButton::clicked, this, [this, nudge] { run([this, nudge] { B_D1Click(nudge); }); });

    connect(CB_Q, &QuestionComboBox::userChanged, this, [this] { run([this] { CB_QChange(); }); });
    connect(CB_Time, &PickComboBox::userChanged, this, [this] { run([this] { CB_TimeChange(); }); });
    connect(LB_Ans, &ListBox::userClicked, this, [this] { run([this] { LB_AnsClick(); }); });
    connect(Timer1, &Platform::GameTimer::timeout, this, [this] { run([this] { Timer1Timer(); }); });

    // A JPEG whose data turns out broken when first drawn is reported once,
    // through the same guard as every handler's errors.
    for (ImageView *view : {Img_A, Img_B, Img_Ans})
        connect(view, &ImageView::paintFailed, this,
                [this](const QString &message) { run([message] { throw EJPEG(message); }); });
}
