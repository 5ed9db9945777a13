// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenebook.h"

#include "tools/shapes.h"

#include <tuple>
#include <utility>

using namespace Paths;
namespace P = Palette;

namespace {

Scene makeScene(const char *name, int limit, PictureFormat format)
{
    Scene s;
    s.name = QString::fromUtf8(name);
    s.limit = limit;
    s.format = format;
    return s;
}

Scene cat()
{
    Scene s = makeScene("01ねこ", 60, PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xff, 0xe8, 0xf2), P::none);
    s.add(polygon({ { 85, 130 }, { 100, 40 }, { 165, 95 } }), P::orange);
    s.add(polygon({ { 185, 95 }, { 250, 40 }, { 265, 130 } }), P::orange);
    const int innerEar = s.add(polygon({ { 102, 108 }, { 108, 64 }, { 142, 94 } }), P::pink, P::none);
    s.add(polygon({ { 208, 94 }, { 242, 64 }, { 248, 108 } }), P::pink, P::none);
    s.add(ellipse(175, 185, 110, 92), P::orange);
    s.add(ellipse(135, 165, 22, 26), P::white);
    s.add(ellipse(215, 165, 22, 26), P::white);
    s.add(circle(138, 170, 11), P::black, P::none);
    s.add(circle(218, 170, 11), P::black, P::none);
    s.add(circle(142, 165, 4), P::white, P::none);
    s.add(circle(222, 165, 4), P::white, P::none);
    const int nose = s.add(polygon({ { 163, 198 }, { 187, 198 }, { 175, 212 } }), P::pink);
    QPainterPath mouth;
    mouth.moveTo(175, 212);
    mouth.lineTo(175, 222);
    mouth.quadTo(165, 236, 152, 226);
    mouth.moveTo(175, 222);
    mouth.quadTo(185, 236, 198, 226);
    s.add(mouth, P::none, P::black, 3);
    s.add(line(118, 205, 62, 195), P::none, P::black, 3);
    s.add(line(118, 215, 60, 218), P::none, P::black, 3);
    s.add(line(118, 225, 64, 240), P::none, P::black, 3);
    const int whisker = s.add(line(232, 205, 288, 195), P::none, P::black, 3);
    s.add(line(232, 215, 290, 218), P::none, P::black, 3);
    s.add(line(232, 225, 286, 240), P::none, P::black, 3);
    s.add(roundRect(115, 262, 120, 16, 8), P::red);
    const int bell = s.add(circle(175, 286, 11), P::yellow);

    s.recolour(bell, P::blue);
    s.missing({ whisker });
    s.recolour(innerEar, P::lightGreen);
    s.extra({ { heart(60, 300, 34), P::red } });
    s.reshape(nose, circle(175, 204, 9));
    return s;
}

Scene house()
{
    Scene s = makeScene("02おうち", 60, PictureFormat::Jpeg);
    Motifs::landscape(s, P::skyBlue, P::lightGreen, 250);
    Motifs::sun(s, 55, 55, 22);
    s.add(cloud(255, 55, 70), P::white, P::grey, 2);
    Motifs::tree(s, 50, 250, 70);
    const int chimney = s.add(rect(228, 92, 20, 40), P::brown);
    s.add(rect(110, 150, 150, 100), QColor(0xff, 0xf0, 0xc8));
    s.add(polygon({ { 95, 155 }, { 185, 85 }, { 275, 155 } }), P::red);
    const int door = s.add(roundRect(167, 196, 36, 54, 6), P::brown);
    s.add(circle(195, 225, 3), P::yellow, P::none);
    for (qreal x : { 122.0, 222.0 }) {
        s.add(rect(x, 172, 32, 30), P::skyBlue);
        s.add(line(x + 16, 172, x + 16, 202), P::none, outlineColour, 2.5);
        s.add(line(x, 187, x + 32, 187), P::none, outlineColour, 2.5);
    }
    Motifs::flower(s, 95, 285, P::yellow);
    const int redFlower = Motifs::flower(s, 300, 280, P::red);
    Motifs::flower(s, 330, 300, P::pink);

    s.missing({ chimney });
    s.recolour(door, P::blue);
    s.extra({ Motifs::birdShape(165, 45) });
    s.recolour(redFlower + 1, P::purple);
    s.extra({ { circle(36, 168, 7), P::red } });
    return s;
}

Scene car()
{
    Scene s = makeScene("03くるま", 90, PictureFormat::Bitmap);
    Motifs::landscape(s, P::skyBlue, P::lightGreen, 220);
    s.add(rect(0, 255, PictureSide, 95), QColor(0x80, 0x80, 0x88), P::none);
    for (int k = 0; k < 5; ++k)
        s.add(rect(10 + k * 75, 310, 40, 6), P::white, P::none);
    Motifs::sun(s, 55, 55, 22);
    s.add(cloud(190, 60, 70), P::white, P::grey, 2);
    s.add(rect(305, 110, 8, 145), P::grey);
    s.add(roundRect(292, 60, 34, 82, 8), P::black);
    const int lamp = s.add(circle(309, 77, 9), P::red, P::none);
    s.add(circle(309, 101, 9), QColor(0x80, 0x70, 0x30), P::none);
    s.add(circle(309, 125, 9), QColor(0x30, 0x60, 0x30), P::none);
    s.add(polygon({ { 112, 192 }, { 140, 145 }, { 230, 145 }, { 258, 192 } }), P::red);
    s.add(roundRect(70, 188, 210, 62, 18), P::red);
    s.add(polygon({ { 150, 186 }, { 163, 156 }, { 195, 156 }, { 195, 186 } }), P::skyBlue);
    const int rearWindow
        = s.add(polygon({ { 205, 186 }, { 205, 156 }, { 226, 156 }, { 242, 186 } }), P::skyBlue);
    const int headlight = s.add(ellipse(272, 210, 6, 9), P::yellow);
    s.add(rect(70, 205, 8, 14), P::orange);
    s.add(line(180, 205, 195, 205), P::none, outlineColour, 3);
    s.add(circle(125, 252, 24), P::black);
    const int hub = s.add(circle(125, 252, 10), P::grey);
    s.add(circle(230, 252, 24), P::black);
    s.add(circle(230, 252, 10), P::grey);

    s.recolour(lamp, QColor(0x30, 0xe0, 0x40));
    s.missing({ headlight });
    s.reshape(rearWindow, circle(222, 171, 14));
    s.missing({ hub });
    s.extra({ { cloud(90, 120, 44), P::white, P::grey, 2 } });
    return s;
}

Scene fish()
{
    Scene s = makeScene("04さかな", 60, PictureFormat::ProgressiveJpeg);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0x5e, 0xc8, 0xf0), P::none);
    s.add(rect(0, 305, PictureSide, 45), QColor(0xf4, 0xd8, 0x90), P::none);
    s.add(curve(40, 310, 20, 240, 45, 180), P::none, P::green, 8);
    s.add(curve(330, 310, 345, 260, 320, 215), P::none, P::green, 8);
    for (auto [x, y, r] : { std::tuple { 60.0, 60.0, 8.0 }, { 72.0, 35.0, 5.0 }, { 300.0, 50.0, 6.0 } })
        s.add(circle(x, y, r), QColor(0xdd, 0xf4, 0xff), P::blue, 1.5);
    const int bubble = s.add(circle(290, 82, 9), QColor(0xdd, 0xf4, 0xff), P::blue, 1.5);
    const int tail = s.add(polygon({ { 180, 130 }, { 210, 105 }, { 210, 155 } }), P::orange);
    s.add(ellipse(140, 130, 45, 28), P::orange);
    s.add(polygon({ { 130, 104 }, { 152, 88 }, { 160, 106 } }), P::yellow);
    s.add(circle(115, 122, 6), P::white);
    s.add(circle(114, 122, 3), P::black, P::none);
    s.add(polygon({ { 272, 220 }, { 295, 200 }, { 295, 240 } }), P::purple);
    s.add(ellipse(240, 220, 35, 20), P::purple);
    const int eye = s.add(circle(220, 214, 5), P::white);
    const int pupil = s.add(circle(219, 214, 2.5), P::black, P::none);
    s.add(polygon({ { 108, 255 }, { 122, 245 }, { 122, 265 } }), P::yellow);
    s.add(ellipse(92, 255, 18, 11), P::yellow);
    s.add(circle(84, 252, 2.5), P::black, P::none);
    const int starfish = s.add(star(270, 316, 21, 9), QColor(0xff, 0x60, 0x40));
    s.add(ellipse(170, 322, 22, 12), P::pink);

    s.recolour(tail, P::green);
    s.missing({ bubble });
    s.missing({ eye, pupil });
    s.recolour(starfish, P::yellow);
    s.extra({ { polygon({ { 314, 150 }, { 328, 140 }, { 328, 160 } }), P::yellow },
        { ellipse(300, 150, 15, 9), P::yellow } });
    return s;
}

Scene fruit()
{
    Scene s = makeScene("05くだもの", 60, PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xff, 0xf4, 0xd8), P::none);
    s.add(rect(0, 235, PictureSide, 115), QColor(0xd8, 0x98, 0x58), P::none);
    s.add(ellipse(175, 250, 150, 38), P::white, P::grey, 2.5);
    for (auto [x, y] : { std::pair { 160.0, 148.0 }, { 180.0, 148.0 }, { 170.0, 168.0 }, { 190.0, 168.0 },
             { 180.0, 188.0 } })
        s.add(circle(x, y, 11), P::purple);
    const int grape = s.add(circle(200, 148, 11), P::purple);
    s.add(line(180, 137, 184, 122), P::none, P::brown, 4);
    s.add(line(95, 180, 99, 163), P::none, P::brown, 4);
    const int leaf = s.add(ellipse(113, 170, 12, 6), P::green);
    s.add(circle(95, 212, 32), P::red);
    s.add(ellipse(83, 198, 6, 10), P::white, P::none);
    QPainterPath banana;
    banana.moveTo(140, 200);
    banana.quadTo(195, 268, 250, 200);
    banana.quadTo(195, 240, 140, 200);
    s.add(banana, P::yellow);
    const int orange = s.add(circle(268, 208, 24), P::orange);

    s.missing({ leaf });
    s.recolour(grape, P::lightGreen);
    s.reshape(orange, ellipse(268, 208, 30, 18));
    QPainterPath stems = curve(52, 284, 62, 262, 70, 287);
    s.extra(
        { { stems, P::none, P::green, 3 }, { circle(52, 293, 9), P::red }, { circle(70, 296, 9), P::red } });
    return s;
}

Scene clown()
{
    Scene s = makeScene("06かお", 90, PictureFormat::Jpeg);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xff, 0xf8, 0xb0), P::none);
    s.add(cloud(80, 175, 80), P::orange);
    s.add(cloud(270, 175, 80), P::orange);
    s.add(circle(175, 195, 100), QColor(0xff, 0xd8, 0xb0));
    s.add(polygon({ { 118, 112 }, { 175, 30 }, { 232, 112 } }), P::blue);
    const int pompom = s.add(circle(175, 30, 13), P::red);
    s.add(ellipse(135, 180, 14, 18), P::white);
    s.add(ellipse(215, 180, 14, 18), P::white);
    s.add(circle(137, 184, 7), P::black, P::none);
    s.add(circle(217, 184, 7), P::black, P::none);
    s.add(curve(118, 154, 135, 140, 152, 154), P::none, P::black, 4);
    const int brow = s.add(curve(198, 154, 215, 140, 232, 154), P::none, P::black, 4);
    s.add(circle(115, 232, 14), P::pink, P::none);
    s.add(circle(235, 232, 14), P::pink, P::none);
    QPainterPath smile;
    smile.moveTo(130, 250);
    smile.quadTo(175, 298, 220, 250);
    smile.quadTo(175, 272, 130, 250);
    s.add(smile, P::red);
    const int nose = s.add(circle(175, 215, 17), P::red);
    const int wing = s.add(polygon({ { 175, 310 }, { 137, 292 }, { 137, 328 } }), P::yellow);
    s.add(polygon({ { 175, 310 }, { 213, 292 }, { 213, 328 } }), P::yellow);
    s.add(circle(175, 310, 8), P::yellow);

    s.recolour(pompom, P::green);
    s.missing({ brow });
    s.reshape(nose, roundRect(160, 200, 30, 30, 6));
    s.extra({ { star(175, 80, 13, 5), P::yellow } });
    s.recolour(wing, P::purple);
    return s;
}

Scene flowers()
{
    Scene s = makeScene("07おはな", 60, PictureFormat::Bitmap);
    Motifs::landscape(s, P::skyBlue, P::lightGreen, 220);
    Motifs::sun(s, 295, 55, 22);
    const int leaf = s.add(ellipse(61, 272, 10, 5), P::green);
    Motifs::flower(s, 50, 235, P::red, 65);
    s.add(ellipse(131, 280, 10, 5), P::green);
    Motifs::flower(s, 120, 250, P::orange, 60);
    const int pinkFlower = Motifs::flower(s, 200, 232, P::pink, 70);
    s.add(ellipse(281, 285, 10, 5), P::green);
    Motifs::flower(s, 270, 250, P::purple, 60);
    const int wingL = s.add(circle(127, 100, 14), P::pink);
    const int wingR = s.add(circle(153, 100, 14), P::pink);
    s.add(circle(131, 121, 9), P::yellow);
    s.add(circle(149, 121, 9), P::yellow);
    s.add(ellipse(140, 110, 3.5, 17), P::black, P::none);
    s.add(ellipse(232, 130, 8, 6), P::white, P::grey, 1.5);
    s.add(ellipse(240, 142, 16, 11), P::yellow);
    s.add(line(236, 132, 236, 152), P::none, P::black, 4);
    s.add(line(246, 133, 246, 151), P::none, P::black, 4);

    s.recolour(pinkFlower + 1, P::blue);
    s.recolour({ wingL, wingR }, P::yellow);
    s.missing({ leaf });
    s.extra({ { circle(300, 305, 10), P::red }, { circle(300, 293, 5), P::black, P::none } });
    s.extra({ { cloud(60, 60, 60), P::white, P::grey, 2 } });
    return s;
}

Scene train()
{
    Scene s = makeScene("08でんしゃ", 120, PictureFormat::Jpeg);
    Motifs::landscape(s, P::skyBlue, P::lightGreen, 230);
    s.add(polygon({ { 0, 230 }, { 70, 140 }, { 150, 230 } }), QColor(0x50, 0xa0, 0x60), P::none);
    s.add(polygon({ { 110, 230 }, { 200, 120 }, { 290, 230 } }), QColor(0x40, 0x90, 0x58), P::none);
    s.add(rect(0, 284, PictureSide, 6), QColor(0x70, 0x60, 0x58), P::none);
    const int sun = Motifs::sun(s, 48, 48, 18);
    Motifs::bird(s, 175, 70);
    s.add(circle(290, 135, 10), P::white, P::grey, 2);
    s.add(circle(305, 110, 14), P::white, P::grey, 2);
    const int puff = s.add(circle(322, 78, 17), P::white, P::grey, 2);
    s.add(rect(280, 160, 16, 32), P::black);
    s.add(rect(200, 190, 110, 70), P::red);
    s.add(rect(200, 152, 50, 40), P::red);
    s.add(rect(195, 144, 60, 10), P::black);
    const int cabWindow = s.add(rect(210, 160, 30, 22), P::skyBlue);
    s.add(circle(312, 212, 6), P::yellow);
    s.add(rect(40, 185, 140, 75), P::blue);
    s.add(rect(180, 240, 20, 6), P::black);
    int coachWindow = -1;
    for (qreal x : { 55.0, 95.0, 135.0 }) {
        const int w = s.add(rect(x, 200, 30, 25), QColor(0xff, 0xf3, 0xa0));
        if (x == 95.0)
            coachWindow = w;
    }
    for (qreal x : { 225.0, 265.0, 70.0 }) {
        s.add(circle(x, 272, 14), P::black);
        s.add(circle(x, 272, 5), P::grey);
    }
    const int wheel = s.add(circle(150, 272, 14), P::black);
    const int hub = s.add(circle(150, 272, 5), P::grey);

    s.missing({ puff });
    s.recolour(coachWindow, P::pink);
    s.missing({ wheel, hub });
    s.extra({ Motifs::birdShape(118, 105) });
    s.recolour(cabWindow, P::orange);
    s.missing({ sun, sun + 1 });
    return s;
}

Scene cake()
{
    Scene s = makeScene("09けーき", 60, PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xff, 0xe0, 0xec), P::none);
    s.add(rect(0, 272, PictureSide, 78), QColor(0xc8, 0x88, 0x50), P::none);
    s.add(ellipse(175, 278, 130, 22), P::white, P::grey, 2.5);
    s.add(rect(75, 190, 200, 85), QColor(0xf8, 0xd8, 0xa0));
    s.add(rect(75, 228, 200, 10), P::pink, P::none);
    s.add(roundRect(70, 168, 210, 30, 12), P::white);
    s.add(rect(130, 102, 12, 66), P::blue);
    s.add(rect(208, 102, 12, 66), P::green);
    const int flame = s.add(ellipse(136, 88, 7, 12), P::orange, QColor(0xe0, 0x60, 0x00), 2);
    s.add(ellipse(214, 88, 7, 12), P::orange, QColor(0xe0, 0x60, 0x00), 2);
    s.add(circle(110, 162, 13), P::red);
    const int middle = s.add(circle(175, 162, 13), P::red);
    const int right = s.add(circle(240, 162, 13), P::red);
    const int cup = s.add(roundRect(20, 222, 38, 48, 6), P::skyBlue);
    s.add(curve(58, 232, 72, 246, 58, 258), P::none, outlineColour, 4);

    s.missing({ flame });
    s.recolour(middle, P::blue);
    s.extra({ { heart(175, 258, 26), P::red } });
    s.recolour(cup, P::yellow);
    s.missing({ right });
    return s;
}

Scene sea()
{
    Scene s = makeScene("10うみ", 90, PictureFormat::Jpeg);
    Motifs::landscape(s, P::skyBlue, QColor(0x30, 0x88, 0xe0), 200);
    const int sun = Motifs::sun(s, 290, 55, 22);
    Motifs::bird(s, 150, 80);
    s.add(ellipse(70, 212, 60, 20), QColor(0xf4, 0xd8, 0x90));
    s.add(curve(70, 205, 58, 160, 82, 122), P::none, P::brown, 8);
    for (auto [x, y] : { std::pair { 62.0, 118.0 }, { 102.0, 118.0 }, { 72.0, 104.0 }, { 94.0, 104.0 } })
        s.add(ellipse(x, y, 18, 7), P::green);
    const int coconutL = s.add(circle(78, 128, 5.5), P::brown);
    const int coconutR = s.add(circle(90, 127, 5.5), P::brown);
    s.add(line(220, 236, 220, 132), P::none, P::brown, 4);
    const int flag = s.add(polygon({ { 220, 128 }, { 242, 136 }, { 220, 144 } }), P::red);
    s.add(polygon({ { 225, 145 }, { 225, 226 }, { 272, 226 } }), P::white);
    s.add(polygon({ { 215, 155 }, { 215, 226 }, { 178, 226 } }), P::yellow);
    s.add(polygon({ { 160, 232 }, { 280, 232 }, { 260, 264 }, { 180, 264 } }), P::red);
    for (auto [x, y] : { std::pair { 40.0, 260.0 }, { 120.0, 300.0 }, { 260.0, 320.0 }, { 300.0, 270.0 } })
        s.add(curve(x - 16, y, x, y - 8, x + 16, y), P::none, P::white, 3);

    s.missing({ flag });
    s.missing({ coconutL, coconutR });
    s.extra({ { polygon({ { 140, 312 }, { 154, 300 }, { 156, 322 } }), P::orange },
        { ellipse(125, 310, 16, 9), P::orange } });
    s.recolour(sun, P::red);
    s.extra({ { circle(36, 200, 9), P::pink } });
    return s;
}

Scene bear()
{
    Scene s = makeScene("11くま", 60, PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xd8, 0xf4, 0xc8), P::none);
    const QColor fur(0xb0, 0x70, 0x38);
    const QColor light(0xe8, 0xc0, 0x88);
    s.add(circle(95, 95, 24), fur);
    s.add(circle(205, 95, 24), fur);
    s.add(circle(95, 95, 12), light, P::none);
    const int innerEar = s.add(circle(205, 95, 12), light, P::none);
    s.add(ellipse(150, 280, 80, 68), fur);
    s.add(ellipse(150, 290, 45, 40), light);
    s.add(line(232, 222, 272, 118), P::none, P::black, 2);
    s.add(ellipse(228, 240, 18, 34), fur);
    s.add(circle(150, 150, 70), fur);
    s.add(ellipse(150, 178, 30, 22), light);
    s.add(ellipse(150, 168, 12, 8), P::black, P::none);
    s.add(circle(125, 135, 7), P::black, P::none);
    s.add(circle(175, 135, 7), P::black, P::none);
    s.add(curve(138, 186, 150, 196, 162, 186), P::none, P::black, 3);
    const int bowL = s.add(polygon({ { 150, 224 }, { 122, 210 }, { 122, 238 } }), P::red);
    const int bowR = s.add(polygon({ { 150, 224 }, { 178, 210 }, { 178, 238 } }), P::red);
    s.add(circle(150, 224, 6), P::red);
    const int balloon = s.add(ellipse(280, 82, 26, 32), P::red);
    s.add(ellipse(271, 70, 5, 9), P::white, P::none);

    s.recolour(balloon, P::blue);
    s.recolour({ bowL, bowR }, P::yellow);
    s.missing({ innerEar });
    s.extra({ { circle(150, 278, 6), P::yellow }, { circle(150, 302, 6), P::yellow } });
    return s;
}

Scene night()
{
    Scene s = makeScene("12よぞら", 120, PictureFormat::ProgressiveJpeg);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0x1c, 0x28, 0x60), P::none);
    const QPainterPath crescent = circle(280, 70, 32).subtracted(circle(296, 58, 27));
    const int moon = s.add(crescent, P::yellow, P::none);
    int topStar = -1;
    for (auto [x, y, r] : { std::tuple { 40.0, 40.0, 10.0 }, { 120.0, 60.0, 8.0 }, { 200.0, 30.0, 10.0 },
             { 60.0, 140.0, 9.0 }, { 190.0, 110.0, 7.0 }, { 325.0, 170.0, 9.0 } }) {
        const int i = s.add(star(x, y, r, r * 0.45), P::yellow, P::none);
        if (x == 200.0)
            topStar = i;
    }
    s.add(ellipse(100, 385, 200, 90), QColor(0x2c, 0x50, 0x30), P::none);
    s.add(ellipse(300, 395, 180, 90), QColor(0x24, 0x48, 0x2c), P::none);
    s.add(rect(20, 280, 60, 45), QColor(0x30, 0x30, 0x50), P::none);
    s.add(polygon({ { 14, 282 }, { 50, 250 }, { 86, 282 } }), QColor(0x30, 0x30, 0x50), P::none);
    s.add(rect(36, 294, 14, 14), P::yellow, P::none);
    const int planet = s.add(circle(262, 242, 22), P::purple);
    s.add(ellipse(262, 242, 33, 8), P::none, P::orange, 3);
    const int flame = s.add(polygon({ { 140, 234 }, { 150, 262 }, { 160, 234 } }), P::orange, P::none);
    s.add(polygon({ { 136, 212 }, { 118, 240 }, { 136, 234 } }), P::red);
    s.add(polygon({ { 164, 212 }, { 182, 240 }, { 164, 234 } }), P::red);
    s.add(roundRect(135, 162, 30, 74, 14), P::white);
    s.add(polygon({ { 136, 174 }, { 150, 140 }, { 164, 174 } }), P::red);
    const int window = s.add(circle(150, 192, 8), P::skyBlue);

    s.missing({ topStar });
    s.recolour(window, P::yellow);
    s.reshape(moon, circle(280, 70, 32));
    s.extra({ { star(245, 155, 9, 4), P::yellow, P::none } });
    s.recolour(planet, P::green);
    s.missing({ flame });
    return s;
}

} // namespace

std::vector<Scene> sampleScenes()
{
    return { cat(), house(), car(), fish(), fruit(), clown(), flowers(), train(), cake(), sea(), bear(),
        night() };
}
