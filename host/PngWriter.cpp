// PNG encoding with stored deflate blocks.
#include "host/PngWriter.h"

#include <algorithm>
#include <fstream>

#include "host/Checksums.h"

namespace host {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kMaxDimension = 0x7FFFFFFF;
constexpr std::size_t kMaxStoredBlock = 65535;
constexpr std::size_t kMaxChunkData = 0x7FFFFFFF;

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value >> 24));
    out.push_back(std::uint8_t(value >> 16));
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

}  // namespace

std::vector<std::uint8_t> PngWriter::Encode(std::uint32_t width, std::uint32_t height,
                                            const std::vector<std::uint8_t>& rgb) {
    if (width == 0 || height == 0 || width > kMaxDimension || height > kMaxDimension)
        return {};
    const std::uint64_t rowBytes = std::uint64_t(width) * 3;
    if (rowBytes * height != rgb.size())
        return {};

    // Each row is preceded by its filter type, 0 = none.
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t((rowBytes + 1) * height));
    for (std::uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = rgb.begin() + std::ptrdiff_t(y * rowBytes);
        raw.insert(raw.end(), row, row + std::ptrdiff_t(rowBytes));
    }

    std::vector<std::uint8_t> header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header.push_back(8);  // bits per channel
    header.push_back(2);  // colour type: RGB
    header.push_back(0);  // compression: deflate
    header.push_back(0);  // filter method
    header.push_back(0);  // no interlace

    const std::vector<std::uint8_t> image = ZlibStored(raw);
    if (image.size() > kMaxChunkData)
        return {};
    std::vector<std::uint8_t> file(std::begin(kSignature), std::end(kSignature));
    AppendChunk(file, "IHDR", header);
    AppendChunk(file, "IDAT", image);
    AppendChunk(file, "IEND", {});
    return file;
}

bool PngWriter::Save(const std::filesystem::path& file, std::uint32_t width, std::uint32_t height,
                     const std::vector<std::uint8_t>& rgb, std::string& error) {
    const std::vector<std::uint8_t> bytes = Encode(width, height, rgb);
    if (bytes.empty()) {
        error = "no picture to write (" + std::to_string(width) + " x " + std::to_string(height) +
                " pixels)";
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (out)
        out.close();
    if (!out) {
        error = "cannot write the file";
        return false;
    }
    return true;
}

std::vector<std::uint8_t> PngWriter::ZlibStored(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out;
    out.reserve(data.size() + data.size() / kMaxStoredBlock * 5 + 16);
    // Deflate, 32 KiB window, fastest level; 0x7801 is a multiple of 31 as the check wants.
    out.push_back(0x78);
    out.push_back(0x01);
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, data.size() - offset);
        const bool last = offset + length == data.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 = stored
        out.push_back(std::uint8_t(length));
        out.push_back(std::uint8_t(length >> 8));
        out.push_back(std::uint8_t(~length));
        out.push_back(std::uint8_t(~length >> 8));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(offset),
                   data.begin() + std::ptrdiff_t(offset + length));
        offset += length;
    } while (offset < data.size());
    AppendBigEndian(out, Adler32(data.data(), data.size()));
    return out;
}

void PngWriter::AppendChunk(std::vector<std::uint8_t>& file, const char type[4],
                            const std::vector<std::uint8_t>& data) {
    AppendBigEndian(file, std::uint32_t(data.size()));
    const std::size_t typeAt = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    AppendBigEndian(file, Crc32(file.data() + typeAt, file.size() - typeAt));
}

}  // namespace host
