#include "model/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace venkar {

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return content;
}

namespace {

bool writeAll(int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

bool writeTextFileAtomically(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    std::string hiddenName = ".";
    hiddenName += path.filename().string();
    hiddenName += ".XXXXXX";
    std::string pattern = (folder / hiddenName).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    int failure = 0; // errno of the first step that failed
    bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
    if (!ok)
        failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    // Keep the permissions an existing file had.
    struct stat existing {};
    if (ok && ::stat(path.c_str(), &existing) == 0)
        ::chmod(pattern.c_str(), existing.st_mode & 07777);
    else if (ok)
        ::chmod(pattern.c_str(), 0666 & ~currentUmask());
    if (ok && std::rename(pattern.c_str(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        std::remove(pattern.c_str());
        errno = failure;
    }
    return ok;
}

} // namespace venkar
