// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Compares the files the asset generator wrote under <regenerated> with the
// committed files of the same names under <committed>. What is not drawn (sizes,
// bit depths, headers, directories, colour tables, the icon group, row padding)
// must be the same byte for byte. The pixels may differ as a rasteriser's
// processor-specific code paths make them differ, and no more: at most 1% of a
// picture's pixels, each by at most 2 steps in any channel. Where the generator
// rounds a drawn colour to a table entry or to a mask bit, a pixel one step off
// can land on the neighbouring entry, so there only the share of pixels is limited;
// the same sizes drawn without that rounding are held to both limits.
// Usage: compare_generated <committed root> <regenerated root>
#include "generated_file_parts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace zorvel::testing;

constexpr int largestAllowedStep = 2;
constexpr int mostDifferingPercent = 1;

// Everything the generator writes, with how many files of each kind.
struct GeneratedFiles {
    const char* folder;
    const char* pattern; // inside the folder
    FileFormat format;
    int count;
};

constexpr GeneratedFiles generated[] = {
    {"assets/pictures", "*.bmp", FileFormat::Bitmap, 9},
    {"assets/icon", "zorvel.ico", FileFormat::Icon, 1},
    {"assets/icon/hicolor", "*/io.zorvel.Zorvel.png", FileFormat::Png, 8},
    {"packaging/windows/icon", "group.bin", FileFormat::Bytes, 1},
    {"packaging/windows/icon", "300*.bin", FileFormat::IconImage, 9},
    {"docs", "contact-sheet.png", FileFormat::Png, 1},
};

QStringList filesMatching(const QString& root, const GeneratedFiles& files) {
    const QDir folder(QDir(root).absoluteFilePath(QLatin1String(files.folder)));
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(QLatin1String(files.pattern)));
    QStringList found;
    QDirIterator walk(folder.path(), QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = folder.relativeFilePath(walk.next());
        if (pattern.match(path).hasMatch())
            found.append(QLatin1String(files.folder) + QLatin1Char('/') + path);
    }
    found.sort();
    return found;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct PixelDifference {
    qsizetype differing = 0;
    int largestStep = 0;
    QPoint largestAt;
};

PixelDifference measure(const QImage& committed, const QImage& regenerated) {
    PixelDifference difference;
    for (int y = 0; y < committed.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(regenerated.constScanLine(y));
        for (int x = 0; x < committed.width(); ++x) {
            const int step = std::max({std::abs(qAlpha(a[x]) - qAlpha(b[x])), std::abs(qRed(a[x]) - qRed(b[x])),
                                       std::abs(qGreen(a[x]) - qGreen(b[x])), std::abs(qBlue(a[x]) - qBlue(b[x]))});
            if (step == 0)
                continue;
            ++difference.differing;
            if (step > difference.largestStep) {
                difference.largestStep = step;
                difference.largestAt = QPoint(x, y);
            }
        }
    }
    return difference;
}

// Prints what differs between the two files; false when more than the tolerance does.
bool compareFile(const QString& path, FileFormat format, const QByteArray& committedBytes,
                 const QByteArray& regeneratedBytes) {
    const FileParts committed = splitGeneratedFile(format, committedBytes);
    const FileParts regenerated = splitGeneratedFile(format, regeneratedBytes);
    for (const FileParts* parts : {&committed, &regenerated}) {
        if (!parts->unreadable.isEmpty()) {
            std::printf("  DIFFERENT %s: the %s file cannot be read: %s\n", qPrintable(path),
                        parts == &committed ? "committed" : "regenerated", qPrintable(parts->unreadable));
            return false;
        }
    }
    const auto firstDifferent = std::mismatch(committed.exact.begin(), committed.exact.end(), regenerated.exact.begin(),
                                              regenerated.exact.end());
    if (firstDifferent.first != committed.exact.end()) {
        std::printf("  DIFFERENT %s: differs in its %s\n", qPrintable(path), qPrintable(firstDifferent.first->first));
        return false;
    }
    if (firstDifferent.second != regenerated.exact.end() || committed.pictures.size() != regenerated.pictures.size()) {
        std::printf("  DIFFERENT %s: the regenerated file has more parts than the committed one\n", qPrintable(path));
        return false;
    }
    bool within = true;
    for (std::size_t index = 0; index < committed.pictures.size(); ++index) {
        const Picture& before = committed.pictures[index];
        const Picture& after = regenerated.pictures[index];
        const PixelDifference difference = measure(before.pixels, after.pixels);
        if (difference.differing == 0)
            continue;
        const qsizetype pixels = qsizetype(before.pixels.width()) * before.pixels.height();
        const bool tooMany = difference.differing * 100 > pixels * mostDifferingPercent;
        const bool tooLarge = before.kind == PixelKind::Direct && difference.largestStep > largestAllowedStep;
        within &= !tooMany && !tooLarge;
        const QString stepLimit = before.kind == PixelKind::Direct
                                      ? QStringLiteral("at most %1").arg(largestAllowedStep)
                                      : QStringLiteral("rounded to a table or a mask: not limited");
        std::printf("  %s %s, %s: %lld of %lld pixels differ (%.2f%%; at most %d%%), largest difference %d step%s "
                    "at x %d, y %d (%s)\n",
                    tooMany || tooLarge ? "DIFFERENT" : "within   ", qPrintable(path), qPrintable(before.name),
                    static_cast<long long>(difference.differing), static_cast<long long>(pixels),
                    100.0 * double(difference.differing) / double(pixels), mostDifferingPercent, difference.largestStep,
                    difference.largestStep == 1 ? "" : "s", difference.largestAt.x(), difference.largestAt.y(),
                    qPrintable(stepLimit));
    }
    return within;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <committed root> <regenerated root>\n", argv[0]);
        return 2;
    }
    const QString committedRoot = QString::fromLocal8Bit(argv[1]);
    const QString regeneratedRoot = QString::fromLocal8Bit(argv[2]);
    bool same = true;
    int known = 0;
    for (const GeneratedFiles& files : generated) {
        const QStringList regenerated = filesMatching(regeneratedRoot, files);
        const QStringList committed = filesMatching(committedRoot, files);
        const QString where = QLatin1String(files.folder) + QLatin1Char('/') + QLatin1String(files.pattern);
        known += static_cast<int>(regenerated.size());
        if (regenerated.size() != files.count) {
            std::printf("  DIFFERENT %s: the generator wrote %lld files, expected %d\n", qPrintable(where),
                        static_cast<long long>(regenerated.size()), files.count);
            same = false;
        }
        if (committed != regenerated) {
            std::printf("  DIFFERENT %s: committed %s, generated %s\n", qPrintable(where),
                        qPrintable(committed.join(QLatin1Char(' '))), qPrintable(regenerated.join(QLatin1Char(' '))));
            same = false;
            continue;
        }
        for (const QString& path : regenerated) {
            same &= compareFile(path, files.format, readAll(committedRoot + QLatin1Char('/') + path),
                                readAll(regeneratedRoot + QLatin1Char('/') + path));
        }
    }
    int written = 0;
    for (QDirIterator walk(regeneratedRoot, QDir::Files, QDirIterator::Subdirectories); walk.hasNext(); walk.next())
        ++written;
    if (written != known) {
        std::printf("  DIFFERENT: the generator wrote %d files, of which this check knows %d\n", written, known);
        same = false;
    }
    if (!same) {
        std::printf("The committed files are not what the generator makes from their sources "
                    "(run: cmake --build --preset dev --target generate-assets)\n");
        return 1;
    }
    std::printf("%d generated files match the committed ones\n", known);
    return 0;
}
