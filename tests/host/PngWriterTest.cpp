// The PNG files of the host's screenshots: checksums, chunk layout, and pictures read back by
// a reader of stored deflate blocks.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/Checksums.h"
#include "host/PngWriter.h"
#include "tests/sim/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
    return std::uint32_t(bytes.at(at)) << 24 | std::uint32_t(bytes.at(at + 1)) << 16 |
           std::uint32_t(bytes.at(at + 2)) << 8 | bytes.at(at + 3);
}

struct Chunk {
    std::string type;
    Bytes data;
    std::uint32_t crc;
    std::uint32_t expectedCrc;
};

// The chunks after the signature; a chunk running past the end fails the test.
std::vector<Chunk> ReadChunks(const Bytes& file) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at < file.size()) {
        const std::uint32_t length = BigEndian(file, at);
        if (at + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk at " << at << " runs past the end";
            break;
        }
        Chunk chunk;
        chunk.type.assign(file.begin() + std::ptrdiff_t(at + 4),
                          file.begin() + std::ptrdiff_t(at + 8));
        chunk.data.assign(file.begin() + std::ptrdiff_t(at + 8),
                          file.begin() + std::ptrdiff_t(at + 8 + length));
        chunk.crc = BigEndian(file, at + 8 + length);
        chunk.expectedCrc = host::Crc32(file.data() + at + 4, length + 4);
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

struct Decoded {
    std::uint32_t width = 0, height = 0;
    Bytes rgb;
    int blocks = 0;
};

// Reads a picture as this writer makes it: RGB, 8 bits, unfiltered rows in stored blocks.
Decoded Decode(const Bytes& file) {
    Decoded picture;
    Bytes zlib;
    for (const Chunk& chunk : ReadChunks(file)) {
        if (chunk.type == "IHDR") {
            picture.width = BigEndian(chunk.data, 0);
            picture.height = BigEndian(chunk.data, 4);
        } else if (chunk.type == "IDAT") {
            zlib.insert(zlib.end(), chunk.data.begin(), chunk.data.end());
        }
    }
    if (zlib.size() < 6) {
        ADD_FAILURE() << "no image data";
        return picture;
    }
    EXPECT_EQ(zlib[0] & 0x0F, 8) << "deflate";
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0) << "zlib header check";
    EXPECT_EQ(zlib[1] & 0x20, 0) << "no preset dictionary";
    Bytes raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > zlib.size()) {
            ADD_FAILURE() << "stored block header past the end at " << at;
            return picture;
        }
        last = (zlib[at] & 1) != 0;
        EXPECT_EQ(zlib[at] >> 1, 0) << "block type stored at " << at;
        const unsigned length = zlib[at + 1] | zlib[at + 2] << 8;
        const unsigned complement = zlib[at + 3] | zlib[at + 4] << 8;
        EXPECT_EQ(length ^ 0xFFFF, complement) << "NLEN at " << at;
        at += 5;
        if (at + length > zlib.size()) {
            ADD_FAILURE() << "stored block past the end at " << at;
            return picture;
        }
        raw.insert(raw.end(), zlib.begin() + std::ptrdiff_t(at),
                   zlib.begin() + std::ptrdiff_t(at + length));
        at += length;
        ++picture.blocks;
    }
    EXPECT_EQ(zlib.size(), at + 4) << "Adler-32 ends the stream";
    EXPECT_EQ(BigEndian(zlib, at), host::Adler32(raw.data(), raw.size()));

    const std::size_t rowBytes = std::size_t(picture.width) * 3;
    EXPECT_EQ(raw.size(), (rowBytes + 1) * picture.height);
    for (std::size_t row = 0; (row + 1) * (rowBytes + 1) <= raw.size(); ++row) {
        const auto start = raw.begin() + std::ptrdiff_t(row * (rowBytes + 1));
        EXPECT_EQ(*start, 0) << "filter of row " << row;
        picture.rgb.insert(picture.rgb.end(), start + 1, start + 1 + std::ptrdiff_t(rowBytes));
    }
    return picture;
}

// A picture whose every byte depends on its place, so that a shifted row shows.
Bytes Pattern(std::uint32_t width, std::uint32_t height) {
    Bytes rgb(std::size_t(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = std::uint8_t(i * 7 + i / 251);
    return rgb;
}

TEST(Checksums, test_checksums_crc32_of_known_texts) {
    const struct {
        std::string text;
        std::uint32_t crc;
    } rows[] = {
        {"", 0},
        {"123456789", 0xCBF43926},
        {"IEND", 0xAE426082},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
    };
    for (const auto& row : rows) {
        const Bytes bytes = BytesOf(row.text);
        EXPECT_EQ(host::Crc32(bytes.data(), bytes.size()), row.crc) << row.text;
    }
}

TEST(Checksums, test_checksums_adler32_of_known_texts) {
    const struct {
        Bytes bytes;
        std::uint32_t adler;
    } rows[] = {
        {BytesOf(""), 1},
        {BytesOf("abc"), 0x024D0127},
        {BytesOf("Wikipedia"), 0x11E60398},
        // Long runs of high bytes: the sums must be reduced before they overflow.
        {Bytes(100000, 0xFF), 0x149A302C},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(host::Adler32(row.bytes.data(), row.bytes.size()), row.adler)
            << row.bytes.size() << " bytes";
    }
}

TEST(PngWriter, test_png_starts_with_signature_and_rgb_header) {
    const Bytes file = host::PngWriter::Encode(300, 2, Pattern(300, 2));
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(file.size(), 33u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8), signature);
    EXPECT_EQ(BigEndian(file, 8), 13u) << "IHDR length";
    EXPECT_EQ(std::string(file.begin() + 12, file.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndian(file, 16), 300u) << "width";
    EXPECT_EQ(BigEndian(file, 20), 2u) << "height";
    EXPECT_EQ(file[24], 8) << "bit depth";
    EXPECT_EQ(file[25], 2) << "colour type RGB";
    EXPECT_EQ(file[26], 0) << "compression";
    EXPECT_EQ(file[27], 0) << "filter method";
    EXPECT_EQ(file[28], 0) << "interlace";
}

TEST(PngWriter, test_png_chunks_in_order_with_matching_crcs) {
    const Bytes file = host::PngWriter::Encode(40, 30, Pattern(40, 30));
    const std::vector<Chunk> chunks = ReadChunks(file);
    std::vector<std::string> types;
    for (const Chunk& chunk : chunks) {
        types.push_back(chunk.type);
        EXPECT_EQ(chunk.crc, chunk.expectedCrc) << chunk.type;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    ASSERT_FALSE(chunks.empty());
    EXPECT_TRUE(chunks.back().data.empty()) << "IEND is empty";
}

TEST(PngWriter, test_png_pictures_read_back_unchanged) {
    // 28 x 771 fills exactly one stored block (85 bytes a row); one more row needs a second.
    const struct {
        std::uint32_t width, height;
        int blocks;
    } rows[] = {{1, 1, 1}, {3, 2, 1}, {28, 771, 1}, {28, 772, 2}, {200, 120, 2}, {640, 400, 12}};
    for (const auto& row : rows) {
        const Bytes rgb = Pattern(row.width, row.height);
        const Decoded picture = Decode(host::PngWriter::Encode(row.width, row.height, rgb));
        EXPECT_EQ(picture.width, row.width);
        EXPECT_EQ(picture.height, row.height);
        EXPECT_EQ(picture.blocks, row.blocks) << row.width << " x " << row.height;
        EXPECT_TRUE(picture.rgb == rgb) << row.width << " x " << row.height;
    }
}

TEST(PngWriter, test_png_refuses_pictures_without_pixels_or_wrong_size) {
    const struct {
        std::uint32_t width, height;
        std::size_t bytes;
    } rows[] = {{0, 5, 0}, {5, 0, 0}, {2, 2, 11}, {2, 2, 13}, {0x80000000u, 1, 0}};
    for (const auto& row : rows) {
        EXPECT_TRUE(host::PngWriter::Encode(row.width, row.height, Bytes(row.bytes)).empty())
            << row.width << " x " << row.height << ", " << row.bytes << " bytes";
    }
}

TEST(PngWriter, test_png_save_writes_the_encoded_file_or_explains) {
    simtest::TempDir dir;
    const Bytes rgb = Pattern(7, 5);
    std::string error;
    const auto file = dir.path() / "shot ä.png";
    ASSERT_TRUE(host::PngWriter::Save(file, 7, 5, rgb, error)) << error;
    std::ifstream in(file, std::ios::binary);
    const Bytes written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(written == host::PngWriter::Encode(7, 5, rgb));

    EXPECT_FALSE(host::PngWriter::Save(dir.path() / "missing" / "shot.png", 7, 5, rgb, error));
    EXPECT_EQ(error, "cannot write the file");
    EXPECT_FALSE(host::PngWriter::Save(dir.path() / "empty.png", 0, 0, {}, error));
    EXPECT_EQ(error, "no picture to write (0 x 0 pixels)");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "empty.png"));
}

}  // namespace
