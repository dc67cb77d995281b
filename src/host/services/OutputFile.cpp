#include "host/services/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace Orvo {

namespace {

// As many links as the kernel follows before it answers ELOOP.
constexpr int kMaxLinkHops = 40;

// Names tried for the temporary file before giving up; each is 64 random bits.
constexpr int kMaxTemporaryNames = 16;

// Where a path leads once its symbolic links are followed.
struct TResolvedPath {
    std::string Path;     // the file to replace or create
    bool Exists = false;  // a file stands there (regular, or refused by Problem)
    mode_t Mode = 0;      // its permission bits, kept by the replacement
    std::string Problem;  // why it cannot be written, or empty
};

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string KindProblem(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "it is a directory";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    if (S_ISFIFO(mode)) return "it is a FIFO";
    if (S_ISSOCK(mode)) return "it is a socket";
    return "it is not a regular file";
}

TResolvedPath Resolve(const std::string& path) {
    TResolvedPath out;
    out.Path = path;
    if (path.empty()) {
        out.Problem = "the path is empty";
        return out;
    }
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (lstat(out.Path.c_str(), &st) != 0) {
            // Nothing stands there yet: a new file (a missing directory shows
            // when the file is made).
            if (errno != ENOENT) out.Problem = std::string("it cannot be examined: ") + std::strerror(errno);
            return out;
        }
        if (!S_ISLNK(st.st_mode)) {
            out.Exists = true;
            out.Mode = st.st_mode & 07777;
            out.Problem = KindProblem(st.st_mode);
            return out;
        }
        if (hops == kMaxLinkHops) {
            out.Problem = std::string("it cannot be examined: ") + std::strerror(ELOOP);
            return out;
        }
        std::string target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = readlink(out.Path.c_str(), target.data(), target.size());
        if (n < 0 || std::size_t(n) >= target.size()) {
            out.Problem = std::string("its link cannot be read: ") + std::strerror(n < 0 ? errno : ENAMETOOLONG);
            return out;
        }
        target.resize(std::size_t(n));
        out.Path = target[0] == '/' ? target : DirectoryOf(out.Path) + "/" + target;
    }
}

std::string RandomSuffix(std::random_device& random) {
    const unsigned long long bits = (static_cast<unsigned long long>(random()) << 32) ^ random();
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", bits);
    return text;
}

// Opens a new file beside `target` that nobody else had a name for.
int CreateTemporary(const std::string& target, std::string& name) {
    const std::string directory = DirectoryOf(target);
    const std::string base = target.substr(target.rfind('/') + 1);
    std::random_device random;
    for (int attempt = 0; attempt < kMaxTemporaryNames; ++attempt) {
        name = directory + "/." + base + "." + RandomSuffix(random) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

}  // namespace

std::string OutputPathProblem(const std::string& path) { return Resolve(path).Problem; }

bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& error) {
    const auto fail = [&](const std::string& why) {
        error = "cannot write " + path + ": " + why;
        return false;
    };
    const TResolvedPath target = Resolve(path);
    if (!target.Problem.empty()) return fail(target.Problem);

    std::string temporary;
    const int fd = CreateTemporary(target.Path, temporary);
    if (fd < 0) return fail(std::strerror(errno));
    const auto discard = [&](int code) {
        unlink(temporary.c_str());
        return fail(std::strerror(code));
    };
    // A replaced file keeps its permissions; a new one gets 0666 less the umask.
    if (!WriteAll(fd, bytes) || (target.Exists && fchmod(fd, target.Mode) != 0)) {
        const int code = errno;
        close(fd);
        return discard(code);
    }
    // No fsync: the rename keeps a failed run from leaving half a file; a
    // power cut is not guarded against.
    if (close(fd) != 0) return discard(errno);

    // Looked at again just before the rename: something else may have been
    // put there while the bytes were written.
    const TResolvedPath now = Resolve(path);
    if (!now.Problem.empty() || now.Path != target.Path) {
        unlink(temporary.c_str());
        return fail(now.Problem.empty() ? "the path changed while it was written" : now.Problem);
    }
    if (rename(temporary.c_str(), target.Path.c_str()) != 0) return discard(errno);
    return true;
}

}  // namespace Orvo
