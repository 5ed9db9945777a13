// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenebook.h"

#include "tools/shapes.h"

using namespace Paths;
namespace P = Palette;

// Fewer, bigger things than the sample questions: these are found from memory.

namespace {

Scene makeScene(const char *name, PictureFormat format)
{
    Scene s;
    s.name = QString::fromUtf8(name);
    s.format = format;
    return s;
}

Scene apple()
{
    Scene s = makeScene("01りんご", PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xff, 0xf6, 0xc0), P::none);
    s.add(line(175, 110, 182, 75), P::none, P::brown, 6);
    const int leaf = s.add(ellipse(210, 88, 24, 11), P::green);
    s.add(circle(175, 195, 90), P::red);
    const int shine = s.add(ellipse(135, 155, 14, 24), P::white, P::none);

    s.recolour(leaf, P::orange);
    s.missing({ shine });
    s.extra({ { heart(295, 305, 32), P::pink } });
    return s;
}

Scene boat()
{
    Scene s = makeScene("02ふね", PictureFormat::Jpeg);
    Motifs::landscape(s, P::skyBlue, QColor(0x30, 0x88, 0xe0), 230);
    const int sun = Motifs::sun(s, 60, 60, 20);
    s.add(line(190, 250, 190, 100), P::none, P::brown, 5);
    const int flag = s.add(polygon({ { 190, 96 }, { 216, 105 }, { 190, 114 } }), P::red);
    s.add(polygon({ { 196, 118 }, { 196, 235 }, { 270, 235 } }), P::white);
    s.add(polygon({ { 100, 240 }, { 280, 240 }, { 250, 285 }, { 130, 285 } }), P::orange);

    s.missing({ sun, sun + 1 });
    s.recolour(flag, P::green);
    s.extra({ { polygon({ { 104, 318 }, { 118, 306 }, { 118, 330 } }), P::yellow },
        { ellipse(90, 318, 16, 10), P::yellow } });
    return s;
}

Scene bird()
{
    Scene s = makeScene("03ことり", PictureFormat::Bitmap);
    s.add(rect(0, 0, PictureSide, PictureSide), QColor(0xc8, 0xec, 0xff), P::none);
    s.add(rect(0, 240, PictureSide, 14), P::brown);
    s.add(ellipse(60, 228, 20, 10), P::green);
    s.add(ellipse(300, 228, 20, 10), P::green);
    s.add(circle(175, 180, 60), P::yellow);
    const int wing = s.add(ellipse(190, 195, 30, 20), P::orange);
    const int beak = s.add(polygon({ { 118, 165 }, { 96, 175 }, { 118, 185 } }), P::orange);
    s.add(circle(145, 160, 7), P::black, P::none);

    s.recolour(wing, P::blue);
    s.missing({ beak });
    s.extra({ { circle(300, 90, 16), P::red }, { line(300, 74, 304, 62), P::none, P::brown, 3 } });
    return s;
}

Scene snowman()
{
    Scene s = makeScene("04ゆきだるま", PictureFormat::Jpeg);
    Motifs::landscape(s, QColor(0x90, 0xb8, 0xf0), P::white, 290);
    s.add(circle(175, 235, 70), P::white, P::grey, 2.5);
    s.add(circle(175, 125, 50), P::white, P::grey, 2.5);
    s.add(line(105, 220, 55, 185), P::none, P::brown, 5);
    const int hat = s.add(rect(150, 54, 50, 36), P::black);
    s.add(rect(132, 86, 86, 10), P::black);
    s.add(circle(158, 118, 6), P::black, P::none);
    s.add(circle(192, 118, 6), P::black, P::none);
    const int nose = s.add(polygon({ { 175, 128 }, { 210, 136 }, { 175, 142 } }), P::orange);
    s.add(circle(175, 210, 7), P::red, P::none);
    s.add(circle(175, 240, 7), P::red, P::none);

    s.recolour(hat, P::red);
    s.missing({ nose });
    s.extra({ { line(245, 220, 300, 180), P::none, P::brown, 5 } });
    return s;
}

} // namespace

std::vector<Scene> memoryScenes()
{
    return { apple(), boat(), bird(), snowman() };
}
