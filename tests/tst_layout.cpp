// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the player first sees it: where every control lies, what it
// says, and which control covers which.

#include "form/Pimukaro_Main.h"
#include "platform/controls/textlabel.h"
#include "platform/fonts.h"
#include "platform/controls/bevelpanel.h"
#include "platform/controls/groupframe.h"
#include "platform/controls/itemcombobox.h"
#include "rules/texts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPushButton>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

class TestLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_playFolder; // no questions anywhere
    std::unique_ptr<TForm1> m_form;

    QWidget *control(const char *name) { return m_form->findChild<QWidget *>(QString::fromLatin1(name)); }
    // The named control at a point of the window, or the control below that
    // holds it: what a click there reaches.
    QString ownerAt(QPoint clientPoint, const QString &expected = QString())
    {
        QString first;
        for (QWidget *w = m_form->childAt(clientPoint); w; w = w->parentWidget()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (w->objectName() == expected)
                return expected;
            if (first.isEmpty())
                first = w->objectName();
        }
        return first;
    }

private slots:
    void initTestCase()
    {
        Platform::substituteFaces();
        QDir::setCurrent(m_playFolder.path());
        m_form = std::make_unique<TForm1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void window()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("ぴむかろ Ver.2.00"));
        QCOMPARE(m_form->size(), QSize(742, 474));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_form->grab().toImage().pixelColor(740, 2), QColor(0x9F, 0xFD, 0xA7));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<bool>("sizedByText");
        const struct {
            const char *name, *parent;
            int left, top, width, height;
            bool label;
        } table[] = {
            {"L_Msg", "Form1", 379, 60, 169, 21, true},         {"Label9", "Form1", 8, 8, 221, 13, true},
            {"P_ImgA", "Form1", 7, 85, 360, 360, false},        {"Img_A", "P_ImgA", 5, 5, 350, 350, false},
            {"P_ImgB", "Form1", 375, 85, 360, 360, false},      {"Img_B", "P_ImgB", 6, 5, 350, 350, false},
            {"Img_Ans", "P_ImgB", 6, 5, 350, 350, false},       {"StatusBar1", "Form1", 0, 450, 742, 24, false},
            {"P_Title", "Form1", 69, 128, 601, 265, false},     {"L_TitleMsg", "P_Title", 56, 40, 501, 33, true},
            {"B_GameStart", "P_Title", 24, 192, 337, 49, false}, {"B_GameEnd", "P_Title", 384, 192, 193, 49, false},
            {"GroupBox1", "P_Title", 24, 104, 553, 65, false},  {"L_QName", "GroupBox1", 168, 24, 228, 24, true},
            {"B_QChange", "GroupBox1", 11, 20, 145, 33, false}, {"P_GameMsg", "P_Title", 5, 5, 591, 255, false},
            {"L_GMsg1", "P_GameMsg", 8, 16, 577, 100, false},   {"L_GMsg2", "P_GameMsg", 8, 136, 577, 37, false},
            {"B_GameMsgOK", "P_GameMsg", 408, 200, 169, 41, false},
            {"B_GameMsgNG", "P_GameMsg", 280, 200, 113, 41, false},
            {"Panel3", "Form1", 375, 6, 360, 41, false},        {"Label4", "Panel3", 25, 6, 231, 33, true},
            {"L_Title", "Panel3", 23, 4, 231, 33, true},        {"Label6", "Panel3", 272, 20, 72, 16, true},
            {"CB_Q", "Form1", 8, 24, 359, 21, false},           {"P_Miss", "Form1", 8, 5, 359, 76, false},
            {"Label2", "P_Miss", 6, 8, 253, 21, true},          {"L_Miss2", "P_Miss", 253, 4, 99, 33, true},
            {"L_SeigenJikan", "P_Miss", 8, 34, 120, 13, true},  {"L_Miss", "P_Miss", 253, 4, 99, 33, true},
            {"PB_Time", "P_Miss", 4, 50, 351, 21, false},       {"B_GiveUp", "Form1", 676, 54, 59, 25, false},
            {"P_Ans", "Form1", 375, 4, 360, 76, false},         {"Label3", "P_Ans", 193, 37, 72, 12, true},
            {"LB_Ans", "P_Ans", 5, 5, 100, 66, false},          {"B_Add", "P_Ans", 192, 5, 65, 28, false},
            {"B_Del", "P_Ans", 263, 5, 43, 22, false},          {"B_End", "P_Ans", 312, 49, 43, 22, false},
            {"B_Check", "P_Ans", 312, 5, 43, 22, false},        {"B_D1", "P_Ans", 135, 7, 25, 25, false},
            {"B_D3", "P_Ans", 135, 34, 25, 25, false},          {"B_D4", "P_Ans", 110, 20, 24, 25, false},
            {"B_D2", "P_Ans", 160, 20, 24, 25, false},          {"B_D6", "P_Ans", 110, 46, 24, 25, false},
            {"B_D5", "P_Ans", 160, 46, 24, 25, false},          {"CB_Time", "P_Ans", 192, 51, 61, 20, false},
            {"B_Save", "P_Ans", 263, 49, 43, 22, false},        {"LB_Set", "P_Ans", 16, 16, 57, 33, false},
        };
        for (const auto &row : table)
            QTest::newRow(row.name) << QString::fromLatin1(row.parent) << QRect(row.left, row.top, row.width, row.height)
                                    << row.label;
    }
    void geometry()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, bounds);
        QFETCH(bool, sizedByText);
        QWidget *w = control(QTest::currentDataTag());
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parent);
        // Hidden at load: P_GameMsg, P_Ans, LB_Set; the title screen also hides B_GiveUp.
        static const QStringList hidden{"P_GameMsg", "P_Ans", "LB_Set", "B_GiveUp"};
        QCOMPARE(w->isHidden(), hidden.contains(w->objectName()));
        QCOMPARE(w->pos(), bounds.topLeft());
        // A label sized by its text takes the table's height (one line of its
        // font); its width depends on the advances of the stand-in face.
        if (sizedByText)
            QCOMPARE(w->height(), bounds.height());
        else
            QCOMPARE(w->size(), bounds.size());
    }

    void picturesLieOneToOne()
    {
        QCOMPARE(control("Img_A")->mapTo(m_form.get(), QPoint(0, 0)), QPoint(12, 90));
        QCOMPARE(control("Img_B")->mapTo(m_form.get(), QPoint(0, 0)), QPoint(381, 90));
        QCOMPARE(control("Img_Ans")->mapTo(m_form.get(), QPoint(349, 349)), QPoint(730, 439));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("L_Msg") << "がんばってね！！";
        QTest::newRow("Label9") << "解答を設定する問題を選択して下さい";
        QTest::newRow("L_GMsg1") << "やったね！";
        QTest::newRow("L_GMsg2") << "もんだいはぜんぶおわったよ！";
        QTest::newRow("Label4") << "ぴむかろ";
        QTest::newRow("L_Title") << "ぴむかろ";
        QTest::newRow("Label6") << "Ver.2.00";
        QTest::newRow("Label2") << "ミスは３かいまでだよ：";
        QTest::newRow("L_Miss2") << "×××";
        QTest::newRow("L_SeigenJikan") << "せいげんじかん：";
        QTest::newRow("L_Miss") << ""; // the title screen shows no misses
        QTest::newRow("Label3") << "制限時間（秒）";
        QTest::newRow("L_QName") << "もんだいをえらんでね";
        QTest::newRow("B_GameStart") << "はじめる";
        QTest::newRow("B_GameEnd") << "やめる";
        QTest::newRow("B_QChange") << "もんだいをかえる";
        QTest::newRow("B_GameMsgOK") << "は　い";
        QTest::newRow("B_GameMsgNG") << "やめる";
        QTest::newRow("B_GiveUp") << "こうさん";
        QTest::newRow("B_Add") << "追加/修正";
        QTest::newRow("B_Del") << "削除";
        QTest::newRow("B_End") << "終了";
        QTest::newRow("B_Check") << "確認";
        QTest::newRow("B_D1") << "↑";
        QTest::newRow("B_D3") << "↓";
        QTest::newRow("B_D4") << "←";
        QTest::newRow("B_D2") << "→";
        QTest::newRow("B_D6") << "－";
        QTest::newRow("B_D5") << "＋";
        QTest::newRow("B_Save") << "保存";
    }
    void captions()
    {
        QFETCH(QString, caption);
        QWidget *w = control(QTest::currentDataTag());
        QVERIFY(w);
        if (auto *label = qobject_cast<TextLabel *>(w))
            QCOMPARE(label->caption(), caption);
        else
            QCOMPARE(qobject_cast<QPushButton *>(w)->text(), caption);
    }

    // The game's own texts are drawn without fallback faces, so each must be
    // whole in the face its control draws with: those on the window now, and
    // those it shows later.
    void gameTextsAreWholeInTheirFaces()
    {
        QList<std::pair<QWidget *, QString>> shown;
        for (QWidget *w : m_form->findChildren<QWidget *>()) {
            if (auto *label = qobject_cast<TextLabel *>(w))
                shown.append({ w, label->caption() });
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                shown.append({ w, button->text() });
            else if (auto *panel = qobject_cast<BevelPanel *>(w))
                shown.append({ w, panel->caption() });
            else if (auto *frame = qobject_cast<GroupFrame *>(w))
                shown.append({ w, frame->caption() });
            else if (auto *combo = qobject_cast<ItemComboBox *>(w))
                shown.append({ w, combo->items().join(QString()) });
        }
        for (int hour = 0; hour < 24; ++hour)
            shown.append({ control("L_TitleMsg"), Greeting(hour) });
        const QString digits = FullWidthNumber(1234567890);
        for (const QString &text : { QStringLiteral("やったね！ざんねん！じかんぎれ！だい もん"), digits })
            shown.append({ control("L_GMsg1"), text });
        shown.append({ control("L_GMsg2"), QStringLiteral("つぎにどうぞ！（のこり もん）またがんばってね！") + digits });
        shown.append({ control("L_Msg"), QStringLiteral("ちがうところをクリック！→もんだいをえらんでください") });
        shown.append({ control("L_SeigenJikan"), QStringLiteral("せいげんじかん  びょう") + digits });
        shown.append({ control("L_Miss"), QStringLiteral("×") });
        shown.append({ control("P_ImgA"), QStringLiteral("←　おぼえて！ ") });
        int checked = 0;
        for (const auto &[widget, text] : shown) {
            QVERIFY(widget);
            if (!(widget->font().styleStrategy() & QFont::NoFontMerging))
                continue;
            const QRawFont face = QRawFont::fromFont(widget->font());
            QVERIFY2(face.isValid(), qPrintable(widget->objectName()));
            for (const QChar c : text) {
                QVERIFY2(face.supportsCharacter(c),
                    qPrintable(QStringLiteral("%1 cannot draw %2 of \"%3\"")
                                   .arg(widget->objectName(), QString(c), text)));
            }
            ++checked;
        }
        QVERIFY(checked > 40);
    }

    // Folder and question names come from the parent's files and may hold
    // characters the Japanese faces lack: those controls keep the fallbacks.
    void folderNamesFallBackToOtherFaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("L_QName");
        QTest::newRow("CB_Q");
    }
    void folderNamesFallBackToOtherFaces()
    {
        const QChar alef(0x05D0);
        if (QFontDatabase::families(QFontDatabase::Hebrew).isEmpty())
            QSKIP("no installed face draws Hebrew");
        QWidget *w = control(QTest::currentDataTag());
        QVERIFY(!QRawFont::fromFont(w->font()).supportsCharacter(alef));
        QVERIFY(QFontMetrics(w->font()).inFont(alef));
    }

    void looks_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        const QString p = QStringLiteral("ＭＳ Ｐゴシック"), g = QStringLiteral("ＭＳ ゴシック");
        const QColor blue(0, 0, 0xFF), red(0xFF, 0, 0), yellow(0xFF, 0xFF, 0), black(0, 0, 0), none;
        const QColor green(0x9F, 0xFD, 0xA7), pale(0xAA, 0xFF, 0xAA), cream(0xFF, 0xFF, 0x93), teal(0, 0xC4, 0xBA);
        QTest::newRow("L_Msg") << p << 21 << true << blue << green;
        QTest::newRow("Label9") << p << 13 << true << black << green;
        QTest::newRow("L_TitleMsg") << p << 32 << true << black << pale;
        QTest::newRow("L_QName") << p << 24 << true << blue << pale;
        QTest::newRow("L_GMsg1") << p << 96 << true << blue << yellow;
        QTest::newRow("L_GMsg2") << p << 37 << true << red << yellow;
        QTest::newRow("Label4") << g << 32 << true << QColor(0x80, 0x80, 0x80) << cream;
        QTest::newRow("L_Title") << g << 32 << true << blue << yellow;
        QTest::newRow("Label6") << g << 16 << true << black << cream;
        QTest::newRow("Label2") << g << 21 << true << black << teal;
        QTest::newRow("L_Miss2") << g << 32 << true << QColor(0xC0, 0xC0, 0xC0) << teal;
        QTest::newRow("L_SeigenJikan") << g << 13 << true << yellow << teal;
        QTest::newRow("L_Miss") << g << 32 << true << red << teal;
        QTest::newRow("B_GameStart") << p << 32 << true << black << none;
        QTest::newRow("B_GameMsgOK") << p << 24 << true << black << none;
        QTest::newRow("B_QChange") << p << 16 << true << black << none;
        QTest::newRow("GroupBox1") << p << 16 << true << black << pale;
        QTest::newRow("LB_Ans") << g << 12 << false << black << none;
        QTest::newRow("CB_Q") << p << 13 << false << black << none;
        QTest::newRow("B_GiveUp") << p << 12 << false << black << none;
    }
    void looks()
    {
        QWidget *w = control(QTest::currentDataTag());
        QVERIFY(w);
        QTEST(w->font().family(), "face");
        QTEST(w->font().pixelSize(), "pixels");
        QTEST(w->font().bold(), "bold");
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        if (auto *label = qobject_cast<TextLabel *>(w)) {
            QCOMPARE(label->textColor(), text);
            QCOMPARE(label->color(), background);
        } else {
            QCOMPARE(w->palette().color(QPalette::ButtonText), text);
            if (background.isValid())
                QCOMPARE(w->palette().color(QPalette::Window), background);
        }
    }

    void screenPixels()
    {
        const QImage window = m_form->grab().toImage();
        const QColor pale(0xAA, 0xFF, 0xAA), green(0x9F, 0xFD, 0xA7);
        QCOMPARE(window.pixelColor(69 + 300, 128 + 20), pale);   // the title panel
        QCOMPARE(window.pixelColor(69 + 300, 128 + 250), pale);
        QVERIFY(window.pixelColor(69 + 300, 128 + 266) != pale); // just below it
        QCOMPARE(window.pixelColor(371, 100), green);            // between the pictures
        QCOMPARE(window.pixelColor(741, 300), green);
        const QColor bar = window.pixelColor(2, 460); // the status bar: the style shades it a little
        QVERIFY(qAbs(bar.red() - green.red()) <= 3 && qAbs(bar.green() - green.green()) <= 3
                && qAbs(bar.blue() - green.blue()) <= 3);
    }

    void growingAnnouncement()
    {
        auto *announcement = qobject_cast<TextLabel *>(control("L_GMsg1"));
        control("P_GameMsg")->show();
        const auto blueRows = [&] {
            const QImage image = announcement->grab().toImage();
            int rows = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(0, 0, 0xFF)) {
                        ++rows;
                        break;
                    }
            return rows;
        };
        // Nothing shows while the label is at most a third of its line high,
        // then a band that widens.
        const int line = announcement->fontMetrics().height();
        int previous = 0;
        for (int height : {2, 20, 60, 100}) {
            announcement->resize(announcement->width(), height);
            const int rows = blueRows();
            const QString seen = QStringLiteral("height %1 of %2: %3 rows").arg(height).arg(line).arg(rows);
            if (height <= line / 3)
                QVERIFY2(rows == 0, qPrintable(seen));
            else
                QVERIFY2(rows > previous, qPrintable(seen));
            previous = rows;
        }
        control("P_GameMsg")->hide();
    }

    void titleScreenCovers()
    {
        QCOMPARE(ownerAt({100, 30}, QStringLiteral("P_Miss")), QStringLiteral("P_Miss"));   // over CB_Q
        QCOMPARE(ownerAt({20, 12}, QStringLiteral("P_Miss")), QStringLiteral("P_Miss"));    // over Label9
        QCOMPARE(ownerAt({370, 260}, QStringLiteral("P_Title")), QStringLiteral("P_Title")); // the middle of both pictures
        QCOMPARE(ownerAt({700, 420}, QStringLiteral("Img_Ans")), QStringLiteral("Img_Ans")); // every click on picture B
        QVERIFY(control("P_Title")->isVisible());
        QVERIFY(!control("P_GameMsg")->isVisible());
        QVERIFY(!control("P_Ans")->isVisible());
        QVERIFY(!control("B_GiveUp")->isVisible());
        QVERIFY(!control("LB_Set")->isVisible());
    }

    void messagePanelFillsTitlePanel()
    {
        control("P_GameMsg")->show();
        QCOMPARE(ownerAt({69 + 5, 128 + 5}, QStringLiteral("P_GameMsg")), QStringLiteral("P_GameMsg"));
        QCOMPARE(ownerAt({69 + 595, 128 + 259}, QStringLiteral("P_GameMsg")), QStringLiteral("P_GameMsg"));
        QCOMPARE(ownerAt({69 + 24 + 10, 128 + 192 + 10}, QStringLiteral("P_GameMsg")), QStringLiteral("P_GameMsg")); // B_GameStart hidden
        control("P_GameMsg")->hide();
    }

    void answerPanelCovers()
    {
        control("P_Miss")->hide();
        control("P_Ans")->show();
        control("B_GiveUp")->show();
        QCOMPARE(ownerAt({100, 30}, QStringLiteral("CB_Q")), QStringLiteral("CB_Q"));
        QCOMPARE(ownerAt({700, 60}, QStringLiteral("P_Ans")), QStringLiteral("P_Ans")); // over B_GiveUp
        QCOMPARE(ownerAt({400, 20}, QStringLiteral("P_Ans")), QStringLiteral("P_Ans")); // over Panel3
        QCOMPARE(ownerAt({385, 79}, QStringLiteral("P_Ans")), QStringLiteral("P_Ans")); // L_Msg but its lowest row
        QCOMPARE(ownerAt({385, 80}), QStringLiteral("L_Msg"));                         // its lowest row shows
        QCOMPARE(ownerAt({385, 81}), QString());                                       // and below it the window
        control("B_GiveUp")->hide();
        control("P_Ans")->hide();
        control("P_Miss")->show();
    }

    void titleShadowAndCrosses()
    {
        QCOMPARE(control("L_Title")->pos() + QPoint(2, 2), control("Label4")->pos());
        auto *misses = qobject_cast<TextLabel *>(control("L_Miss"));
        misses->setCaption(QStringLiteral("×××"));
        QCOMPARE(misses->geometry(), control("L_Miss2")->geometry());
        misses->setCaption(QString());
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
