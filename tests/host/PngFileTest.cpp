// The host's PNG files through the platform's image codecs: pictures come back as written,
// in a fraction of their raw size, and bad pictures or paths fail with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/PngFile.h"
#include "tests/sim/TempDir.h"

namespace {

using host::Picture;
using host::PngFile;

// A picture like a window's: flat areas, frames and some busy lines of "text".
Picture WindowLike(std::uint32_t width, std::uint32_t height) {
    Picture picture{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint8_t* pixel = &picture.bgr[(std::size_t(y) * width + x) * 3];
            const bool frame = x % 100 == 0 || y % 60 == 0;
            const bool text = y % 20 < 8 && (x * 7 + y * 3) % 5 < 2;
            const std::uint8_t grey = frame ? 128 : text ? 0 : 240;
            pixel[0] = grey;
            pixel[1] = grey;
            pixel[2] = std::uint8_t(x < width / 4 ? 255 : grey);  // a red column band
        }
    }
    return picture;
}

TEST(PngFile, test_picture_comes_back_as_written_and_compressed) {
    simtest::TempDir dir;
    const std::filesystem::path file = dir.path() / "window ö.png";
    const Picture written = WindowLike(716, 480);
    std::string error;
    ASSERT_TRUE(PngFile::Save(file, written, error)) << error;

    const auto size = std::filesystem::file_size(file);
    EXPECT_LT(size * 10, written.bgr.size()) << size << " bytes";

    Picture read;
    ASSERT_TRUE(PngFile::Load(file, read, error)) << error;
    EXPECT_EQ(read.width, written.width);
    EXPECT_EQ(read.height, written.height);
    EXPECT_TRUE(read.bgr == written.bgr) << "the pixels differ";
}

TEST(PngFile, test_bad_pictures_and_files_fail_with_a_message) {
    simtest::TempDir dir;
    std::string error;
    Picture wrongSize = WindowLike(10, 10);
    wrongSize.bgr.pop_back();
    const Picture cases[] = {Picture{}, Picture{0, 5, {}}, wrongSize};
    for (const Picture& picture : cases) {
        error.clear();
        EXPECT_FALSE(PngFile::Save(dir.path() / "bad.png", picture, error));
        EXPECT_EQ(error, "the picture is empty or does not match its size");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "bad.png"));

    error.clear();
    EXPECT_FALSE(PngFile::Save(dir.path() / "missing" / "a.png", WindowLike(4, 4), error));
    EXPECT_EQ(error.rfind("creating the file failed", 0), 0u) << error;

    std::ofstream(dir.path() / "text.png") << "not a picture";
    Picture read;
    error.clear();
    EXPECT_FALSE(PngFile::Load(dir.path() / "text.png", read, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
