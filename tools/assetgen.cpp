// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/assetgen.h"

#include "rules/answerlines.h"
#include "rules/linefile.h"
#include "tools/asseterror.h"
#include "tools/icon.h"
#include "tools/imagewriters.h"
#include "tools/scenebook.h"
#include "tools/sounds.h"
#include "tools/wavewriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace {

constexpr int jpegQuality = 90;

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw AssetError(QStringLiteral("cannot make the folder %1").arg(folder));
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw AssetError(QStringLiteral("cannot encode a PNG: %1").arg(writer.errorString()));
    return bytes;
}

void writeQuestion(const QDir &dir, const Scene &scene)
{
    const QString problem = sceneProblem(scene);
    if (!problem.isEmpty())
        throw AssetError(problem);
    const QImage a = renderPictureA(scene);
    const QImage b = renderPictureB(scene);
    if (scene.format == PictureFormat::Bitmap) {
        writeFileAtomically(dir.filePath(scene.name + QStringLiteral("_A.bmp")), encodeBitmap(a));
        writeFileAtomically(dir.filePath(scene.name + QStringLiteral("_B.bmp")), encodeBitmap(b));
    } else {
        const bool progressive = scene.format == PictureFormat::ProgressiveJpeg;
        writeFileAtomically(
            dir.filePath(scene.name + QStringLiteral("_A.jpg")), encodeJpeg(a, jpegQuality, progressive));
        writeFileAtomically(
            dir.filePath(scene.name + QStringLiteral("_B.jpg")), encodeJpeg(b, jpegQuality, progressive));
    }
    writeFileAtomically(dir.filePath(scene.name + QStringLiteral("_Ans.txt")),
        Platform::joinLines(AnswerFileLines(answerCircles(scene), scene.limit)));
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AssetError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void writeQuestionFolder(const QString &folder, const std::vector<Scene> &scenes, bool memoryMode)
{
    makeFolder(folder);
    const QDir dir(folder);
    for (const Scene &scene : scenes)
        writeQuestion(dir, scene);
    if (memoryMode)
        writeFileAtomically(
            dir.filePath(MemoryMarkerFile), QStringLiteral("ひだりの えを よく おぼえてね\r\n").toUtf8());
}

void writeSounds(const QString &folder)
{
    makeFolder(folder);
    const QDir dir(folder);
    writeFileAtomically(dir.filePath(QStringLiteral("Atari.wav")), waveFileBytes(Sounds::atari()));
    writeFileAtomically(dir.filePath(QStringLiteral("Hazure.wav")), waveFileBytes(Sounds::hazure()));
    writeFileAtomically(dir.filePath(QStringLiteral("Clear.wav")), waveFileBytes(Sounds::clear()));
    writeFileAtomically(dir.filePath(QStringLiteral("Miss.wav")), waveFileBytes(Sounds::miss()));
}

void writeIcons(const QString &folder)
{
    makeFolder(folder);
    const QDir dir(folder);
    writeFileAtomically(dir.filePath(iconFileName), pngBytes(drawIcon(32)));
    writeFileAtomically(dir.filePath(smallIconFileName), pngBytes(drawIcon(16)));
}

void writeThemeIcons(const QString &folder, const QString &name, QImage (*draw)(int))
{
    if (!draw)
        draw = drawThemeIcon;
    for (const int size : themeIconSizes) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        makeFolder(apps);
        writeFileAtomically(QDir(apps).filePath(name + QStringLiteral(".png")), pngBytes(draw(size)));
    }
}

void writeAllAssets(const QString &folder)
{
    const QDir dir(folder);
    writeQuestionFolder(dir.filePath(SampleFolderName), sampleScenes(), false);
    writeQuestionFolder(dir.filePath(MemoryFolderName), memoryScenes(), true);
    writeSounds(folder);
    writeIcons(folder);
}
