// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of every fuzz target under the given folder:
// <folder>/<target>/<seed name>.
#include "seeds.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool writeSeeds(const QString &folder, const Seeds &seeds)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (const auto &[name, bytes] : seeds) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace Qt::StringLiterals;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeSeeds(root + "/fuzz_bitmap"_L1, bitmapSeeds())
        && writeSeeds(root + "/fuzz_jpeg"_L1, jpegSeeds()) && writeSeeds(root + "/fuzz_linefile"_L1, lineFileSeeds())
        && writeSeeds(root + "/fuzz_strtoint"_L1, integerSeeds())
        && writeSeeds(root + "/fuzz_answerfile"_L1, answerFileSeeds());
    return ok ? 0 : 1;
}
