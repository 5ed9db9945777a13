// Lays out the game's play folder: the sample question folders, the sounds and
// the window icon, all drawn and synthesised here.

#include "tools/asseterror.h"
#include "tools/assetgen.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].isEmpty()) {
        std::fprintf(stderr, "usage: pimukaro-assets OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        writeAllAssets(args[1]);
    } catch (const AssetError &e) {
        std::fprintf(stderr, "pimukaro-assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
