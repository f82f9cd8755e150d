// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads back the resources of packaging/windows/zorvel.rc: compiled by windres into a
// .res, or as Windows finds them in Zorvel.exe.
// Usage: resource_script_test <compiled .res file or Zorvel.exe>
#include "assets/version.h"

#include "ico_file.h"
#include "res_file.h"
#include "version_info.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

using namespace zorvel::bitmap;
using namespace zorvel::testing;

constexpr int bitmapType = 2;
constexpr int iconType = 3;
constexpr int groupIconType = 14;
constexpr int versionType = 16;
constexpr int manifestType = 24;
constexpr int neutral = 0;
constexpr int italian = 1040;
// The four numbers of project(VERSION), two to a 32-bit word.
constexpr std::uint32_t versionHigh = ZORVEL_VERSION_MAJOR << 16 | ZORVEL_VERSION_MINOR;
constexpr std::uint32_t versionLow = ZORVEL_VERSION_PATCH << 16 | ZORVEL_VERSION_TWEAK;

QString compiledResources;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const std::vector<Resource>& resources() {
    static const std::vector<Resource> all = readResources(readAll(compiledResources));
    return all;
}

const Resource* find(int type, int id) {
    const auto& all = resources();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Resource& r) { return r.type == type && r.id == id; });
    return found == all.end() ? nullptr : &*found;
}

TEST(ResourceScript, CompilesToExactlyTheIconBitmapsVersionRecordAndManifest) {
    using Key = std::tuple<int, int, int>; // type, id, language
    std::vector<Key> expected{{groupIconType, 1, neutral}, {versionType, 1, italian}, {manifestType, 1, neutral}};
    for (int id = 30001; id <= 30009; ++id)
        expected.emplace_back(iconType, id, neutral);
    for (int id = 101; id <= 109; ++id)
        expected.emplace_back(bitmapType, id, italian);
    std::vector<Key> found;
    for (const Resource& resource : resources())
        found.emplace_back(resource.type, resource.id, resource.language);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}

TEST(ResourceScript, IconImagesAreThoseOfTheIconFileInOrder) {
    const IconDirectory icon = readIconFile(readAll(QStringLiteral(ZORVEL_SOURCE_DIR "/assets/icon/zorvel.ico")));
    ASSERT_EQ(icon.entries.size(), 9u);
    const Resource* group = find(groupIconType, 1);
    ASSERT_NE(group, nullptr);
    const QByteArray& directory = group->data;
    ASSERT_EQ(directory.size(), 6 + 14 * 9);
    EXPECT_EQ(readU16(directory, 0), 0u);
    EXPECT_EQ(readU16(directory, 2), 1u);
    EXPECT_EQ(readU16(directory, 4), 9u);
    for (int index = 0; index < 9; ++index) {
        SCOPED_TRACE(testing::Message() << "entry " << index + 1);
        const IconEntry& expected = icon.entries[std::size_t(index)];
        const qsizetype at = 6 + 14 * index;
        EXPECT_EQ(int(readU8(directory, at)), expected.width);
        EXPECT_EQ(int(readU8(directory, at + 1)), expected.height);
        EXPECT_EQ(readU8(directory, at + 2), 0u) << "colour count";
        EXPECT_EQ(readU8(directory, at + 3), 0u) << "reserved";
        EXPECT_EQ(readU16(directory, at + 4), 1u) << "planes";
        EXPECT_EQ(int(readU16(directory, at + 6)), expected.bitsPerPixel);
        EXPECT_EQ(qsizetype(readU32(directory, at + 8)), expected.byteSize);
        const int id = int(readU16(directory, at + 12));
        EXPECT_EQ(id, 30001 + index);
        const Resource* image = find(iconType, id);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->data, expected.image) << "byte for byte the image of the icon file";
    }
}

// A bitmap resource is its .bmp file without the file's 14-byte header.
TEST(ResourceScript, BitmapsAndManifestAreTheCommittedFiles) {
    std::vector<std::tuple<int, int, QString, int>> files{{manifestType, 1, "/packaging/windows/zorvel.manifest", 0}};
    for (int id = 101; id <= 109; ++id)
        files.emplace_back(bitmapType, id, QStringLiteral("/assets/pictures/%1.bmp").arg(id), 14);
    for (const auto& [type, id, path, header] : files) {
        const Resource* resource = find(type, id);
        ASSERT_NE(resource, nullptr) << path.toStdString();
        EXPECT_EQ(resource->data, readAll(QStringLiteral(ZORVEL_SOURCE_DIR) + path).mid(header)) << path.toStdString();
    }
}

TEST(ResourceScript, VersionRecordHoldsTheFixedPartTranslationAndFiveStringsInOrder) {
    const Resource* version = find(versionType, 1);
    ASSERT_NE(version, nullptr);
    const VersionBlock root = readVersionBlock(version->data, 0);
    EXPECT_EQ(root.key, QStringLiteral("VS_VERSION_INFO"));
    ASSERT_EQ(root.value.size(), 52) << "VS_FIXEDFILEINFO";

    struct Field {
        const char* name;
        qsizetype offset;
        std::uint32_t value;
    };
    const Field fixed[] = {
        {"signature", 0, 0xFEEF04BD},
        {"file version, high", 8, versionHigh},
        {"file version, low", 12, versionLow},
        {"product version, high", 16, versionHigh},
        {"product version, low", 20, versionLow},
        {"flags mask", 24, 0},
        {"flags", 28, 0},
        {"operating system", 32, 4},
        {"file type", 36, 1},
        {"subtype", 40, 0},
        {"date, high", 44, 0},
        {"date, low", 48, 0},
    };
    for (const Field& field : fixed)
        EXPECT_EQ(readU32(root.value, field.offset), field.value) << field.name;

    ASSERT_EQ(root.children.size(), 2u);
    const VersionBlock& variables = root.children[0];
    EXPECT_EQ(variables.key, QStringLiteral("VarFileInfo"));
    ASSERT_EQ(variables.children.size(), 1u);
    EXPECT_EQ(variables.children[0].key, QStringLiteral("Translation"));
    ASSERT_EQ(variables.children[0].value.size(), 4);
    EXPECT_EQ(readU16(variables.children[0].value, 0), 0x0410u);
    EXPECT_EQ(readU16(variables.children[0].value, 2), 0x04B0u);

    const VersionBlock& strings = root.children[1];
    EXPECT_EQ(strings.key, QStringLiteral("StringFileInfo"));
    ASSERT_EQ(strings.children.size(), 1u);
    const VersionBlock& table = strings.children[0];
    EXPECT_EQ(table.key, QStringLiteral("041004B0"));
    const QString product = QString::fromLatin1(zorvel::version::productName);
    const QString versionText = QString::fromLatin1(zorvel::version::versionText);
    const std::vector<std::pair<QString, QString>> expected{
        {QStringLiteral("ProductName"), product},
        {QStringLiteral("FileVersion"), versionText},
        {QStringLiteral("ProductVersion"), versionText},
        {QStringLiteral("InternalName"), product},
        {QStringLiteral("OriginalFilename"), product + QStringLiteral(".exe")},
    };
    std::vector<std::pair<QString, QString>> found;
    for (const VersionBlock& entry : table.children)
        found.emplace_back(entry.key, entry.text);
    EXPECT_EQ(found, expected);
}

} // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <compiled .res file or Zorvel.exe>\n", argv[0]);
        return 2;
    }
    compiledResources = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
