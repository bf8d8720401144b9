// Replacing a file whole, through a temporary file that reaches the disk first.
#include "config/DurableFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace config {
namespace {

#ifdef _WIN32
int CreateNew(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int file, const char* data, std::size_t size) {
    return _write(file, data, unsigned(std::min<std::size_t>(size, 1u << 30)));
}
int SyncToDisk(int file) {
    return _commit(file);
}
int CloseFile(int file) {
    return _close(file);
}
unsigned long ProcessId() {
    return static_cast<unsigned long>(_getpid());
}
#else
int CreateNew(const std::filesystem::path& path) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int WriteSome(int file, const char* data, std::size_t size) {
    return int(write(file, data, std::min<std::size_t>(size, 1u << 30)));
}
int SyncToDisk(int file) {
    return fsync(file);
}
int CloseFile(int file) {
    return close(file);
}
unsigned long ProcessId() {
    return static_cast<unsigned long>(getpid());
}
#endif

// A name beside path that no file has yet: created here, never an existing file opened.
int CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[64];
        std::snprintf(tag, sizeof tag, ".%lx-%llx-%x", ProcessId(),
                      static_cast<unsigned long long>(ticks), ++counter);
        temporary = path;
        temporary += tag;
        temporary += DurableFile::kTemporarySuffix;
        const int file = CreateNew(temporary);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool WriteAll(int file, std::string_view contents) {
    while (!contents.empty()) {
        const int written = WriteSome(file, contents.data(), contents.size());
        if (written <= 0)
            return false;
        contents.remove_prefix(std::size_t(written));
    }
    return true;
}

}  // namespace

bool DurableFile::Replace(const std::filesystem::path& path, std::string_view contents,
                          std::string& error) {
    std::filesystem::path temporary;
    const int file = CreateTemporary(path, temporary);
    if (file < 0) {
        error = "cannot create a file beside it";
        return false;
    }
    const bool written = WriteAll(file, contents) && SyncToDisk(file) == 0;
    const bool closed = CloseFile(file) == 0;
    std::error_code failure;
    if (written && closed)
        std::filesystem::rename(temporary, path, failure);
    if (!written || !closed || failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = !written || !closed ? "cannot write the file" : "cannot put the file in place";
        return false;
    }
    return true;
}

}  // namespace config
