// Replacing a file's contents through a temporary file in the same directory and a rename.
#include "sim/AtomicFile.h"

#include <atomic>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace sim {
namespace {

unsigned long ProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

std::FILE* OpenForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Pushes the file's data to the disk before the rename makes it visible.
bool SyncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

bool AtomicFile::Write(const std::filesystem::path& path, std::string_view bytes,
                       std::string& error) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(ProcessId()) + "-" + std::to_string(++counter);

    std::FILE* file = OpenForWriting(temporary);
    if (file == nullptr) {
        error = "cannot create a temporary file beside the state file";
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool synced = written && SyncToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !synced || !closed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = "cannot write the temporary state file";
        return false;
    }
    if (!ReplaceWith(temporary, path)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = "cannot replace the state file";
        return false;
    }
    return true;
}

}  // namespace sim
