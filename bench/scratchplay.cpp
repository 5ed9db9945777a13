// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/scratchplay.h"

#include "tools/assetgen.h"
#include "tools/scenebook.h"

#include <QDir>

void ScratchPlay::write(const QString &folder)
{
    const QDir play(folder);
    const std::vector<Scene> samples = sampleScenes();
    writeQuestionFolder(play.filePath(SampleFolderName), samples, false);

    // The sample scenes over and over, each in its own kind of picture, so
    // the listing meets bitmaps and JPEGs as a real folder would.
    std::vector<Scene> hundred;
    for (int n = 1; n <= hundredCount; ++n) {
        Scene scene = samples[std::size_t(n - 1) % samples.size()];
        scene.name = QStringLiteral("q%1").arg(n);
        hundred.push_back(std::move(scene));
    }
    writeQuestionFolder(play.filePath(hundredFolder), hundred, false);

    std::vector<Scene> loading;
    const std::pair<QString, PictureFormat> kinds[] = {
        { bitmapQuestion, PictureFormat::Bitmap },
        { jpegQuestion, PictureFormat::Jpeg },
        { progressiveQuestion, PictureFormat::ProgressiveJpeg },
    };
    for (const auto &[name, format] : kinds) {
        Scene scene = samples.front();
        scene.name = name;
        scene.format = format;
        loading.push_back(std::move(scene));
    }
    writeQuestionFolder(play.filePath(loadingFolder), loading, false);
}
