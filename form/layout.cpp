// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window and every control on it, as the player first sees them.

#include "form/Pimukaro_Main.h"
#include "rules/answerlines.h"

#include "platform/controls/bevelpanel.h"
#include "platform/controls/groupframe.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/pushbutton.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/seenfocus.h"
#include "platform/controls/stacking.h"
#include "platform/controls/textlabel.h"
#include "platform/controls/timebar.h"
#include "platform/gametimer.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString Gothic = QStringLiteral("ＭＳ ゴシック");

const QColor WindowGreen(0x9F, 0xFD, 0xA7);
const QColor TitleGreen(0xAA, 0xFF, 0xAA);
const QColor TitleYellow(0xFF, 0xFF, 0x93);
const QColor MissTeal(0x00, 0xC4, 0xBA);
const QColor clBlue(0x00, 0x00, 0xFF);
const QColor clRed(0xFF, 0x00, 0x00);
const QColor clYellow(0xFF, 0xFF, 0x00);
const QColor clSilver(0xC0, 0xC0, 0xC0);
const QColor clGray(0x80, 0x80, 0x80);
const QColor clBlack(0x00, 0x00, 0x00);

// Every text of the game's own is drawn by the two Japanese faces, so their
// fonts skip Qt's search for fallback faces: about a fifth of the start-up's
// font work. Names from a question folder may hold any character and keep the
// fallback faces.
enum class Holds { GameTexts, FolderNames };

QFont makeFont(const QString &face, int pixels, bool bold, Holds holds = Holds::GameTexts)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Set either way: a strategy left unset is taken from the parent's font.
    font.setStyleStrategy(holds == Holds::GameTexts ? QFont::NoFontMerging : QFont::PreferDefault);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TextLabel *label(QWidget *parent, const QRect &bounds, const QString &caption)
{
    auto *l = new TextLabel(parent);
    l->setGeometry(bounds);
    l->setCaption(caption);
    return l;
}

BevelPanel *panel(QWidget *parent, const QRect &bounds, int bevelWidth = 1)
{
    auto *p = new BevelPanel(parent);
    p->setGeometry(bounds);
    p->setBevelOuter(BevelPanel::Bevel::Raised);
    p->setBevelInner(BevelPanel::Bevel::Lowered);
    p->setBevelWidth(bevelWidth);
    p->setBorderWidth(1);
    return p;
}

template<class Button>
Button *button(QWidget *parent, const QRect &bounds, const QString &caption)
{
    auto *b = new Button(parent);
    b->setGeometry(bounds);
    b->setText(caption);
    return b;
}
} // namespace

void TForm1::createControls()
{
    setWindowTitle(QStringLiteral("ぴむかろ Ver.2.00"));
    setFixedSize(742, 474);
    setBackground(this, WindowGreen);
    setFont(makeFont(PGothic, 12, false));

    L_Msg = label(this, {379, 60, 169, 21}, QString());
    L_Msg->setFont(makeFont(PGothic, 21, true));
    setTextColour(L_Msg, clBlue);
    L_Msg->setCaption(QStringLiteral("がんばってね！！"));

    Label9 = label(this, {8, 8, 221, 13}, QString());
    Label9->setFont(makeFont(PGothic, 13, true));
    Label9->setCaption(QStringLiteral("解答を設定する問題を選択して下さい"));

    const QFont pictureCaptionFont = makeFont(PGothic, 24, true);
    P_ImgA = panel(this, {7, 85, 360, 360});
    P_ImgA->setFont(pictureCaptionFont);
    Img_A = new ImageView(P_ImgA);
    Img_A->setGeometry(5, 5, PictureSide, PictureSide);

    P_ImgB = panel(this, {375, 85, 360, 360});
    P_ImgB->setFont(pictureCaptionFont);
    Img_B = new ImageView(P_ImgB);
    Img_B->setGeometry(6, 5, PictureSide, PictureSide);
    Img_Ans = new ImageView(P_ImgB);
    Img_Ans->setGeometry(6, 5, PictureSide, PictureSide);
    Img_Ans->setTransparent(true);
    Img_Ans->setCursor(Qt::PointingHandCursor);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setGeometry(0, 450, 742, 24);
    StatusBar1->setSizeGripEnabled(false);
    setBackground(StatusBar1, WindowGreen);
    StatusBar1->addWidget(new QLabel(QStringLiteral("ちがうところを みつけて クリックしてね。もんだいは フォルダに いれて ふやせます。"),
                                     StatusBar1),
                          1);

    P_Title = panel(this, {69, 128, 601, 265}, 2);
    P_Title->setColor(TitleGreen);
    P_Title->setFont(makeFont(PGothic, 32, true));
    setTextColour(P_Title, clBlack);

    L_TitleMsg = label(P_Title, {56, 40, 501, 33}, QStringLiteral("さあ，たのしいゲームをはじめよう！"));

    B_GameStart = button<MouseUpButton>(P_Title, {24, 192, 337, 49}, QStringLiteral("はじめる"));
    B_GameStart->setFont(makeFont(PGothic, 32, true));
    B_GameStart->setHintText(QStringLiteral("Shift+Ctrl+クリックで解答設定モード"));
    B_GameEnd = button<PushButton>(P_Title, {384, 192, 193, 49}, QStringLiteral("やめる"));
    B_GameEnd->setFont(makeFont(PGothic, 32, true));

    GroupBox1 = new GroupFrame(P_Title);
    GroupBox1->setGeometry(24, 104, 553, 65);
    GroupBox1->setCaption(QStringLiteral("  もんだい "));
    GroupBox1->setFont(makeFont(PGothic, 16, true));
    L_QName = label(GroupBox1, {168, 24, 228, 24}, QString());
    L_QName->setFont(makeFont(PGothic, 24, true, Holds::FolderNames));
    setTextColour(L_QName, clBlue);
    L_QName->setCaption(QStringLiteral("もんだいをえらんでね"));
    B_QChange = button<PushButton>(GroupBox1, {11, 20, 145, 33}, QStringLiteral("もんだいをかえる"));

    P_GameMsg = new BevelPanel(P_Title);
    P_GameMsg->setBevelOuter(BevelPanel::Bevel::None);
    P_GameMsg->setBevelInner(BevelPanel::Bevel::None);
    P_GameMsg->setBevelWidth(2);
    P_GameMsg->setBorderWidth(1);
    P_GameMsg->setColor(clYellow);
    // Fills the title panel inside its frame.
    const int inset = P_Title->clientInset();
    P_GameMsg->setGeometry(P_Title->rect().adjusted(inset, inset, -inset, -inset));
    P_GameMsg->hide();

    L_GMsg1 = new TextLabel(P_GameMsg);
    L_GMsg1->setAutoSize(false);
    L_GMsg1->setGeometry(8, 16, 577, 100);
    L_GMsg1->setTransparent(true);
    L_GMsg1->setAlignment(Qt::AlignHCenter);
    L_GMsg1->setCentredVertically(true);
    L_GMsg1->setFont(makeFont(PGothic, 96, true));
    setTextColour(L_GMsg1, clBlue);
    L_GMsg1->setCaption(QStringLiteral("やったね！"));

    L_GMsg2 = new TextLabel(P_GameMsg);
    L_GMsg2->setAutoSize(false);
    L_GMsg2->setGeometry(8, 136, 577, 37);
    L_GMsg2->setColor(clYellow);
    L_GMsg2->setAlignment(Qt::AlignHCenter);
    L_GMsg2->setFont(makeFont(PGothic, 37, true));
    setTextColour(L_GMsg2, clRed);
    L_GMsg2->setCaption(QStringLiteral("もんだいはぜんぶおわったよ！"));

    B_GameMsgOK = button<PushButton>(P_GameMsg, {408, 200, 169, 41}, QStringLiteral("は　い"));
    B_GameMsgOK->setFont(makeFont(PGothic, 24, true));
    B_GameMsgNG = button<PushButton>(P_GameMsg, {280, 200, 113, 41}, QStringLiteral("やめる"));
    B_GameMsgNG->setFont(makeFont(PGothic, 24, true));

    Panel3 = panel(this, {375, 6, 360, 41});
    Panel3->setColor(TitleYellow);
    Label4 = label(Panel3, {25, 6, 231, 33}, QString());
    Label4->setFont(makeFont(Gothic, 32, true));
    setTextColour(Label4, clGray);
    Label4->setCaption(QStringLiteral("ぴむかろ"));
    L_Title = label(Panel3, {23, 4, 231, 33}, QString());
    L_Title->setColor(clYellow);
    L_Title->setTransparent(true);
    L_Title->setFont(makeFont(Gothic, 32, true));
    L_Title->setTextColor(clBlue);
    L_Title->setCaption(QStringLiteral("ぴむかろ"));
    Label6 = label(Panel3, {272, 20, 72, 16}, QString());
    Label6->setFont(makeFont(Gothic, 16, true));
    Label6->setCaption(QStringLiteral("Ver.2.00"));

    CB_Q = new QuestionComboBox(this);
    CB_Q->setGeometry(8, 24, 359, 21);
    CB_Q->setFont(makeFont(PGothic, 13, false, Holds::FolderNames));

    P_Miss = panel(this, {8, 5, 359, 76});
    P_Miss->setColor(MissTeal);
    Label2 = label(P_Miss, {6, 8, 253, 21}, QString());
    Label2->setFont(makeFont(Gothic, 21, true));
    setTextColour(Label2, clBlack);
    Label2->setCaption(QStringLiteral("ミスは３かいまでだよ："));
    L_Miss2 = label(P_Miss, {253, 4, 99, 33}, QString());
    L_Miss2->setTransparent(true);
    L_Miss2->setFont(makeFont(Gothic, 32, true));
    setTextColour(L_Miss2, clSilver);
    L_Miss2->setCaption(QStringLiteral("×××"));
    L_SeigenJikan = label(P_Miss, {8, 34, 120, 13}, QString());
    L_SeigenJikan->setFont(makeFont(Gothic, 13, true));
    setTextColour(L_SeigenJikan, clYellow);
    L_SeigenJikan->setCaption(QStringLiteral("せいげんじかん："));
    L_Miss = label(P_Miss, {253, 4, 99, 33}, QString());
    L_Miss->setTransparent(true);
    L_Miss->setFont(makeFont(Gothic, 32, true));
    setTextColour(L_Miss, clRed);
    L_Miss->setCaption(QStringLiteral("×××"));
    PB_Time = new TimeBar(P_Miss);
    PB_Time->setGeometry(4, 50, 351, 21);
    PB_Time->setRange(0, 100);
    PB_Time->setPosition(100);

    B_GiveUp = button<PushButton>(this, {676, 54, 59, 25}, QStringLiteral("こうさん"));

    P_Ans = panel(this, {375, 4, 360, 76});
    P_Ans->hide();
    Label3 = label(P_Ans, {193, 37, 72, 12}, QStringLiteral("制限時間（秒）"));
    LB_Ans = new ListBox(P_Ans);
    LB_Ans->setGeometry(5, 5, 100, 66);
    LB_Ans->setFont(makeFont(Gothic, 12, false));
    LB_Ans->setItemHeight(12);
    B_Add = button<PushButton>(P_Ans, {192, 5, 65, 28}, QStringLiteral("追加/修正"));
    B_Del = button<PushButton>(P_Ans, {263, 5, 43, 22}, QStringLiteral("削除"));
    B_End = button<PushButton>(P_Ans, {312, 49, 43, 22}, QStringLiteral("終了"));
    setTextColour(B_End, clBlack);
    B_Check = button<PushButton>(P_Ans, {312, 5, 43, 22}, QStringLiteral("確認"));
    B_D1 = button<PushButton>(P_Ans, {135, 7, 25, 25}, QStringLiteral("↑"));
    B_D3 = button<PushButton>(P_Ans, {135, 34, 25, 25}, QStringLiteral("↓"));
    B_D4 = button<PushButton>(P_Ans, {110, 20, 24, 25}, QStringLiteral("←"));
    B_D2 = button<PushButton>(P_Ans, {160, 20, 24, 25}, QStringLiteral("→"));
    B_D6 = button<PushButton>(P_Ans, {110, 46, 24, 25}, QStringLiteral("－"));
    B_D5 = button<PushButton>(P_Ans, {160, 46, 24, 25}, QStringLiteral("＋"));
    CB_Time = new PickComboBox(P_Ans);
    CB_Time->setGeometry(192, 51, 61, 20);
    CB_Time->setItems(TimeChoices());
    B_Save = button<PushButton>(P_Ans, {263, 49, 43, 22}, QStringLiteral("保存"));
    setTextColour(B_Save, clBlack);
    LB_Set = new ListBox(P_Ans);
    LB_Set->setGeometry(16, 16, 57, 33);
    LB_Set->setItemHeight(12);
    LB_Set->hide();

    for (QPushButton *nudge : {B_D1, B_D2, B_D3, B_D4, B_D5, B_D6})
        nudge->setFont(makeFont(PGothic, 12, false));
    B_Add->setFont(makeFont(PGothic, 12, false));
    B_End->setFont(makeFont(PGothic, 12, false));
    B_Save->setFont(makeFont(PGothic, 12, false));

    Timer1 = new Platform::GameTimer(this);

    // Names let the nudge handler and the tests find the controls.
    const std::pair<QObject *, const char *> names[] = {
        {L_Msg, "L_Msg"}, {Label9, "Label9"}, {P_ImgA, "P_ImgA"}, {Img_A, "Img_A"}, {P_ImgB, "P_ImgB"},
        {Img_B, "Img_B"}, {Img_Ans, "Img_Ans"}, {StatusBar1, "StatusBar1"}, {P_Title, "P_Title"},
        {L_TitleMsg, "L_TitleMsg"}, {B_GameStart, "B_GameStart"}, {B_GameEnd, "B_GameEnd"},
        {GroupBox1, "GroupBox1"}, {L_QName, "L_QName"}, {B_QChange, "B_QChange"}, {P_GameMsg, "P_GameMsg"},
        {L_GMsg1, "L_GMsg1"}, {L_GMsg2, "L_GMsg2"}, {B_GameMsgOK, "B_GameMsgOK"}, {B_GameMsgNG, "B_GameMsgNG"},
        {Panel3, "Panel3"}, {Label4, "Label4"}, {L_Title, "L_Title"}, {Label6, "Label6"}, {CB_Q, "CB_Q"},
        {P_Miss, "P_Miss"}, {Label2, "Label2"}, {L_Miss2, "L_Miss2"}, {L_SeigenJikan, "L_SeigenJikan"},
        {L_Miss, "L_Miss"}, {PB_Time, "PB_Time"}, {B_GiveUp, "B_GiveUp"}, {P_Ans, "P_Ans"}, {Label3, "Label3"},
        {LB_Ans, "LB_Ans"}, {B_Add, "B_Add"}, {B_Del, "B_Del"}, {B_End, "B_End"}, {B_Check, "B_Check"},
        {B_D1, "B_D1"}, {B_D3, "B_D3"}, {B_D4, "B_D4"}, {B_D2, "B_D2"}, {B_D6, "B_D6"}, {B_D5, "B_D5"},
        {CB_Time, "CB_Time"}, {B_Save, "B_Save"}, {LB_Set, "LB_Set"}, {Timer1, "Timer1"},
    };
    for (const auto &[control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
    setObjectName(QStringLiteral("Form1"));

    for (QWidget *parent : std::initializer_list<QWidget *>{this, P_ImgA, P_ImgB, P_Title, GroupBox1, P_GameMsg,
                                                             Panel3, P_Miss, P_Ans})
        stackLikeWindows(parent);

    // What a panel covers cannot be seen and takes no keys: CB_Q under P_Miss,
    // the title screen under P_GameMsg, Panel3 and B_GiveUp under P_Ans. A
    // control hidden or covered while it holds the focus leaves it to the window.
    keepFocusOnSeenControls(this);
}
