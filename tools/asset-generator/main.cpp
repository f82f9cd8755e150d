// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rebuilds every generated class picture and icon from the drawing code and the
// icon's SVG. Usage: zorvel_asset_generator <project source dir> [<output dir>]
// The output goes into the source tree unless another directory is given.
#include "assets/bitmap_format.h"
#include "tools/asset-generator/contact_sheet.h"
#include "tools/asset-generator/figure_builds.h"
#include "tools/asset-generator/figure_painter.h"
#include "tools/asset-generator/icon_file.h"
#include "tools/asset-generator/icon_images.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace zorvel::generator;

constexpr int firstIconResourceId = 30001;
constexpr int desktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int dotsPerMetre = 3780; // 96 dots per inch

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeImage(const QString& path, QImage image) {
    // A new image takes its resolution from the screen; the files keep 96 dots per
    // inch whatever screen the generator runs on.
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <project source dir> [<output dir>]\n", argv[0]);
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir root(QString::fromLocal8Bit(argv[argc - 1]));
    const QString svgPath = sources.filePath(QStringLiteral("assets/icon/io.zorvel.Zorvel.svg"));
    if (!QFile::exists(svgPath)) {
        std::fprintf(stderr, "no icon source at %s\n", qPrintable(svgPath));
        return 1;
    }
    bool ok = true;

    std::vector<QImage> pictures;
    for (const FigureBuild& build : figureBuilds()) {
        pictures.push_back(paintFigure(build));
        ok &= writeFile(root.filePath(QStringLiteral("assets/pictures/%1.bmp").arg(build.pictureId)),
                        zorvel::bitmap::bitmapFile(pictures.back(), 24));
    }

    const std::vector<IconImage> iconImages = applicationIconImages(svgPath);
    ok &= writeFile(root.filePath(QStringLiteral("assets/icon/zorvel.ico")), iconFile(iconImages));
    // The Windows resource script keeps each image under its own id, so it takes
    // them one by one rather than the .ico file, whose ids the compiler would choose.
    ok &= writeFile(root.filePath(QStringLiteral("packaging/windows/icon/group.bin")),
                    iconGroupResource(iconImages, firstIconResourceId));
    for (std::size_t index = 0; index < iconImages.size(); ++index) {
        const int id = firstIconResourceId + static_cast<int>(index);
        ok &=
            writeFile(root.filePath(QStringLiteral("packaging/windows/icon/%1.bin").arg(id)), iconImages[index].bytes);
    }

    for (const int size : desktopIconSizes)
        ok &= writeImage(root.filePath(QStringLiteral("assets/icon/hicolor/%1x%1/io.zorvel.Zorvel.png").arg(size)),
                         renderScale(svgPath, size));

    ok &= writeImage(root.filePath(QStringLiteral("docs/contact-sheet.png")),
                     contactSheet(pictures, renderScale(svgPath, 128)));
    return ok ? 0 : 1;
}
