// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/bitmap_format.h"
#include "assets/class_pictures.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>

namespace {

struct PictureRow {
    int categoria;
    int id;
    int width;
    int height;
};

// The window was designed around these picture sizes; the stored bitmaps are
// three times as large with the same proportions.
constexpr std::array<PictureRow, 9> pictures{{
    {1, 101, 42, 111},
    {2, 102, 46, 103},
    {3, 103, 68, 109},
    {4, 104, 63, 108},
    {5, 105, 72, 110},
    {6, 106, 51, 120},
    {7, 107, 79, 110},
    {8, 108, 70, 110},
    {9, 109, 68, 114},
}};
constexpr int storedScale = 3;

// The box the window stretches every picture into.
constexpr double shownWidth = 89.0;

QByteArray resourceBytes(int id) {
    QFile file(QStringLiteral(":/zorvel/pictures/%1.bmp").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Anything clearly darker or more coloured than the near-white background.
bool isFigure(QRgb pixel) { return qRed(pixel) < 215 || qGreen(pixel) < 215 || qBlue(pixel) < 215; }

// The widest span of figure pixels in the band where the belly is, measured in
// the on-screen box so that pictures of different widths compare.
double widestBellyRow(const QImage& picture) {
    int widest = 0;
    for (int y = picture.height() * 40 / 100; y < picture.height() * 62 / 100; ++y) {
        int left = picture.width();
        int right = -1;
        for (int x = 0; x < picture.width(); ++x) {
            if (isFigure(picture.pixel(x, y))) {
                left = std::min(left, x);
                right = x;
            }
        }
        widest = std::max(widest, right - left + 1);
    }
    return widest * shownWidth / picture.width();
}

TEST(ClassPictureId, IsOneHundredPlusTheClassWithEmptyCountingAsZero) {
    EXPECT_EQ(zorvel::classPictureId(std::nullopt), 100);
    for (const PictureRow& row : pictures)
        EXPECT_EQ(zorvel::classPictureId(row.categoria), row.id) << "class " << row.categoria;
}

TEST(ClassPicture, EveryClassLoadsAPictureOfItsDesignedProportions) {
    for (const PictureRow& row : pictures) {
        const std::optional<QImage> picture = zorvel::loadClassPicture(row.categoria);
        ASSERT_TRUE(picture.has_value()) << "class " << row.categoria;
        EXPECT_EQ(picture->width(), row.width * storedScale) << "class " << row.categoria;
        EXPECT_EQ(picture->height(), row.height * storedScale) << "class " << row.categoria;
        EXPECT_FALSE(picture->hasAlphaChannel()) << "class " << row.categoria;
    }
}

// Each pixel is the colour its stored bytes spell, blue, green, red, bottom row
// first, read one byte at a time: a reader that laid the bytes over a native 32-bit
// pixel would swap the channels on a big-endian processor.
TEST(ClassPicture, EveryPixelIsTheColourOfItsStoredBytes) {
    using namespace zorvel::bitmap;
    for (const PictureRow& row : pictures) {
        SCOPED_TRACE(testing::Message() << "bitmap " << row.id);
        const std::optional<QImage> picture = zorvel::loadClassPicture(row.categoria);
        const QByteArray file = resourceBytes(row.id);
        ASSERT_TRUE(picture.has_value());
        ASSERT_EQ(readU16(file, fileHeaderSize + 14), 24) << "bits per pixel";
        const qsizetype pixelsAt = readU32(file, 10);
        const qsizetype stride = rowStride(picture->width(), 24);
        for (int y = 0; y < picture->height(); ++y) {
            for (int x = 0; x < picture->width(); ++x) {
                const qsizetype at = pixelsAt + stride * (picture->height() - 1 - y) + 3 * x;
                const QRgb stored = qRgb(readU8(file, at + 2), readU8(file, at + 1), readU8(file, at));
                ASSERT_EQ(picture->pixel(x, y), stored) << x << ", " << y;
            }
        }
    }
}

TEST(ClassPicture, IdsWithoutABitmapGiveNothing) {
    EXPECT_FALSE(zorvel::loadClassPicture(std::nullopt).has_value()) << "id 100";
    EXPECT_FALSE(zorvel::loadClassPicture(0).has_value()) << "id 100";
    EXPECT_FALSE(zorvel::loadClassPicture(10).has_value()) << "id 110";
    EXPECT_FALSE(zorvel::loadClassPicture(11).has_value()) << "id 111";
}

TEST(ClassPicture, LoadsAFreshButIdenticalPictureEachTime) {
    const std::optional<QImage> first = zorvel::loadClassPicture(4);
    const std::optional<QImage> second = zorvel::loadClassPicture(4);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
    EXPECT_NE(first->constBits(), second->constBits()) << "the second load must not share the first's pixels";
}

TEST(ClassPicture, ShowsAFigureFillingMostOfTheHeightOnANoisyNearWhiteGround) {
    for (const PictureRow& row : pictures) {
        const QImage picture = zorvel::loadClassPicture(row.categoria).value();
        int top = picture.height();
        int bottom = -1;
        QList<QRgb> topRow;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
                ASSERT_NE(pixel, 0xFFFFFFu) << "class " << row.categoria << ": pure white at " << x << "," << y;
                if (y == 0)
                    topRow.append(pixel);
                if (isFigure(pixel)) {
                    top = std::min(top, y);
                    bottom = y;
                }
            }
        }
        EXPECT_LT(top, picture.height() / 10) << "class " << row.categoria;
        EXPECT_GT(bottom, picture.height() * 9 / 10) << "class " << row.categoria;
        for (const QRgb pixel : topRow)
            ASSERT_FALSE(isFigure(pixel)) << "class " << row.categoria << ": the top row is background";
        std::sort(topRow.begin(), topRow.end());
        EXPECT_GT(std::unique(topRow.begin(), topRow.end()) - topRow.begin(), 2)
            << "class " << row.categoria << ": the background has a grain";
    }
}

TEST(ClassPicture, TheBellyGrowsFromClassToClass) {
    std::array<double, 9> widths{};
    for (std::size_t index = 0; index < pictures.size(); ++index)
        widths[index] = widestBellyRow(zorvel::loadClassPicture(pictures[index].categoria).value());
    for (std::size_t index = 1; index < widths.size(); ++index)
        EXPECT_GT(widths[index], widths[index - 1] + 2.0)
            << "class " << index + 1 << " is not broader than class " << index;
    EXPECT_GT(widths[8], 2.5 * widths[0]) << "class 9 against class 1";
}

} // namespace
