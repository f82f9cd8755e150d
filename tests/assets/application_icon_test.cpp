// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/application_icon.h"

#include "ico_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <QImageReader>

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace zorvel::bitmap;
using namespace zorvel::testing;

struct EntryRow {
    int size;
    int bitsPerPixel;
};

// The order the window and the Windows resources expect.
constexpr std::array<EntryRow, 9> entries{{
    {48, 8},
    {32, 8},
    {16, 8},
    {48, 24},
    {32, 24},
    {16, 24},
    {48, 32},
    {32, 32},
    {16, 32},
}};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray iconFile() { return readAll(QStringLiteral(ZORVEL_SOURCE_DIR "/assets/icon/zorvel.ico")); }

QString hicolorPicture(int size) {
    return QStringLiteral(ZORVEL_SOURCE_DIR "/assets/icon/hicolor/%1x%1/io.zorvel.Zorvel.png").arg(size);
}

constexpr std::array<int, 8> hicolorSizes{16, 22, 24, 32, 48, 64, 128, 256};

qsizetype expectedImageBytes(const EntryRow& row) {
    const qsizetype palette = row.bitsPerPixel == 8 ? 256 * 4 : 0;
    return 40 + palette + qsizetype(rowStride(row.size, row.bitsPerPixel)) * row.size +
           qsizetype(rowStride(row.size, 1)) * row.size;
}

TEST(IconFile, HoldsExactlyTheNineEntriesInOrder) {
    const QByteArray bytes = iconFile();
    const IconDirectory icon = readIconFile(bytes);
    EXPECT_EQ(icon.reserved, 0);
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.entries.size(), entries.size());

    qsizetype nextOffset = 6 + 16 * qsizetype(entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const EntryRow& row = entries[index];
        const IconEntry& entry = icon.entries[index];
        SCOPED_TRACE(testing::Message() << "entry " << index + 1 << ": " << row.size << " px, " << row.bitsPerPixel
                                        << " bits");
        EXPECT_EQ(entry.width, row.size);
        EXPECT_EQ(entry.height, row.size);
        EXPECT_EQ(entry.colourCount, 0);
        EXPECT_EQ(entry.reserved, 0);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitsPerPixel, row.bitsPerPixel);
        EXPECT_EQ(entry.byteSize, expectedImageBytes(row));
        EXPECT_EQ(entry.offset, nextOffset) << "images follow one another";
        nextOffset = entry.offset + entry.byteSize;

        const InfoHeader header = readInfoHeader(entry.image, 0);
        EXPECT_EQ(header.headerSize, 40u);
        EXPECT_EQ(header.width, row.size);
        EXPECT_EQ(header.height, 2 * row.size) << "colours and mask";
        EXPECT_EQ(header.planes, 1u);
        EXPECT_EQ(int(header.bitsPerPixel), row.bitsPerPixel);
        EXPECT_EQ(header.compression, 0u);
    }
    EXPECT_EQ(nextOffset, bytes.size()) << "nothing after the last image";
}

TEST(IconFile, OnlyTheLarge8BitImageIsTransparentAroundTheScale) {
    const IconDirectory icon = readIconFile(iconFile());
    ASSERT_EQ(icon.entries.size(), entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const EntryRow& row = entries[index];
        SCOPED_TRACE(testing::Message() << "entry " << index + 1);
        const QByteArray& image = icon.entries[index].image;
        int transparent = 0;
        for (int y = 0; y < row.size; ++y)
            for (int x = 0; x < row.size; ++x)
                transparent += maskBit(image, row.size, row.bitsPerPixel, x, y);
        if (index == 0) {
            const int last = row.size - 1;
            EXPECT_TRUE(maskBit(image, row.size, 8, 0, 0) && maskBit(image, row.size, 8, last, 0) &&
                        maskBit(image, row.size, 8, 0, last) && maskBit(image, row.size, 8, last, last))
                << "the corners are clear";
            EXPECT_FALSE(maskBit(image, row.size, 8, row.size / 2, row.size / 2)) << "the scale is solid";
            EXPECT_GT(transparent, 0);
            EXPECT_LT(transparent, row.size * row.size / 3) << "the scale fills most of the image";
        } else {
            EXPECT_EQ(transparent, 0);
        }
    }
}

TEST(IconFile, The32BitImagesAreFullyOpaque) {
    const IconDirectory icon = readIconFile(iconFile());
    ASSERT_EQ(icon.entries.size(), entries.size());
    for (std::size_t index = 6; index < entries.size(); ++index) {
        const int size = entries[index].size;
        const QByteArray& image = icon.entries[index].image;
        for (qsizetype pixel = 0; pixel < qsizetype(size) * size; ++pixel)
            ASSERT_EQ(readU8(image, 40 + 4 * pixel + 3), 255u) << "entry " << index + 1 << ", pixel " << pixel;
    }
}

// One entry as an icon file of its own, decoded by Qt's icon reader.
QImage decodeEntry(const IconEntry& entry) {
    QByteArray single;
    for (const int word : {0, 1, 1})
        single.append(char(word)).append('\0');
    single.append(char(entry.width)).append(char(entry.height)).append('\0').append('\0');
    single.append(char(1)).append('\0').append(char(entry.bitsPerPixel)).append('\0');
    for (const qsizetype number : {entry.byteSize, qsizetype(22)})
        for (int shift = 0; shift < 32; shift += 8)
            single.append(char((number >> shift) & 0xFF));
    single.append(entry.image);
    return QImage::fromData(single, "ico");
}

int brightness(QRgb pixel) { return (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3; }

TEST(IconFile, EverySizeShowsTheBlackScaleWithItsWhiteDial) {
    const IconDirectory icon = readIconFile(iconFile());
    ASSERT_EQ(icon.entries.size(), entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        SCOPED_TRACE(testing::Message() << "entry " << index + 1);
        const QImage image = decodeEntry(icon.entries[index]);
        ASSERT_EQ(image.size(), QSize(entries[index].size, entries[index].size));
        auto at = [&image](double x, double y) { return image.pixel(int(x * image.width()), int(y * image.height())); };
        EXPECT_GT(brightness(at(0.35, 0.35)), 180) << "the dial, left of the pointer";
        EXPECT_LT(brightness(at(0.53, 0.72)), 80) << "the platform below the dial";
    }
}

// The Windows program reads its icon's true-colour images, the file's last three
// entries (48, 32 and 16 pixels), as Qt's bitmap reader takes them.
TEST(IconFile, TrueColourImagesReadAsQtsOwnIconDecoderReadsThem) {
    const IconDirectory icon = readIconFile(iconFile());
    QImageReader reader(QStringLiteral(ZORVEL_SOURCE_DIR "/assets/icon/zorvel.ico"), "ico");
    ASSERT_EQ(reader.imageCount(), 9);
    for (int index = 6; index < 9; ++index) {
        SCOPED_TRACE(testing::Message() << "entry " << index + 1);
        const std::optional<QByteArray> bitmap = iconImageAsBitmap(icon.entries[index].image);
        ASSERT_TRUE(bitmap.has_value());
        ASSERT_TRUE(reader.jumpToImage(index));
        EXPECT_EQ(QImage::fromData(*bitmap, "DIB").convertToFormat(QImage::Format_ARGB32),
                  reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_FALSE(iconImageAsBitmap(icon.entries[0].image).has_value()) << "an 8-bit image";
}

// A title bar shows the icon on its own colour: the window's icon is the transparent
// hicolor artwork, every size of it. A pixmap keeps its pixels premultiplied, and
// turning them back into straight alpha rounds differently on different processors,
// so the PNG is compared in the pixmap's own form.
TEST(ApplicationIcon, IsTheTransparentHicolorPictureAtEverySize) {
    const QIcon icon = zorvel::applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_EQ(sizes.size(), qsizetype(hicolorSizes.size()));
    for (const int size : hicolorSizes) {
        SCOPED_TRACE(testing::Message() << size << " px");
        ASSERT_TRUE(sizes.contains(QSize(size, size)));
        const QImage shown =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, QImage(hicolorPicture(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << "a clear corner";
    }
}

TEST(DesktopIcons, TheHicolorPicturesHaveTheirNamedSizeAndATransparentSurround) {
    for (const int size : hicolorSizes) {
        const QString path = hicolorPicture(size);
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << qPrintable(path);
        EXPECT_EQ(image.size(), QSize(size, size)) << qPrintable(path);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << qPrintable(path);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << qPrintable(path);
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(ZORVEL_SOURCE_DIR "/assets/icon/io.zorvel.Zorvel.svg")));
}

} // namespace

int main(int argc, char* argv[]) {
    // QIcon needs a GUI application; the test runs on the offscreen platform.
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
