#include "base/program_files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <utility>

namespace morvenda {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

fs::path DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        if (fs::path dataHome(xdg); dataHome.is_absolute()) {
            return dataHome;
        }
    }
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "";
    }
    return fs::path(home) / ".local" / "share";
}

// Closes a descriptor however the scope is left.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // A close that fails can mean the data never reached the file, so it is reported.
    std::error_code Close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0 ? std::error_code() : LastError();
    }

  private:
    int fd_;
};

std::error_code WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes the content into a new file and forces it to the disk; the caller renames it.
std::error_code WriteTemporary(const fs::path& temporary, std::string_view content,
                               const struct stat* keepModeOf) {
    ::unlink(temporary.c_str());  // left behind by a crashed copy that had the same process id
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.IsOpen()) {
        return LastError();
    }
    if (std::error_code error = WriteAll(file.Get(), content)) {
        return error;
    }
    if (keepModeOf && ::fchmod(file.Get(), keepModeOf->st_mode & 07777) != 0) {
        return LastError();
    }
    if (::fsync(file.Get()) != 0) {
        return LastError();
    }
    return file.Close();
}

// The rename is durable only once the folder that holds the name reaches the disk too. The
// new content is in place either way, so a failure here is not reported.
void SyncFolder(const fs::path& folder) {
    Descriptor directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) {
        ::fsync(directory.Get());
    }
}

}  // namespace

fs::path GetProgramFilesDir() {
    return DataHome() / "Morvenda" / "";
}

std::error_code EnsureFileExists(const fs::path& path) {
    std::error_code error;
    if (const fs::path folder = path.parent_path(); !folder.empty()) {
        fs::create_directories(folder, error);
        if (error) {
            return error;
        }
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return S_ISDIR(existing.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                         : std::error_code();
    }
    if (errno != ENOENT) {
        return LastError();
    }
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    return file.IsOpen() ? file.Close() : LastError();
}

std::error_code ReadWholeFile(const fs::path& path, std::string& content) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen()) {
        return LastError();
    }
    std::string read;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        if (count == 0) {
            break;
        }
        read.append(buffer.data(), static_cast<std::size_t>(count));
    }
    content = std::move(read);
    return {};
}

std::error_code WriteFileAtomically(const fs::path& path, std::string_view content) {
    std::error_code error;
    // Through a symbolic link the file it names is replaced, and the link stays.
    fs::path target = path;
    if (struct stat link{}; ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        target = fs::weakly_canonical(path, error);
        if (error) {
            return error;
        }
    }

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return LastError();
    }
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            return std::make_error_code(std::errc::is_a_directory);
        }
        if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
    }

    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".tmp" +
                                                       std::to_string(::getpid()));
    error = WriteTemporary(temporary, content, exists ? &existing : nullptr);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = LastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(target.parent_path());
    return {};
}

std::string FileErrorReason(std::error_code error) {
    struct Reason {
        std::errc Code;
        const char* Text;
    };
    static constexpr std::array<Reason, 10> Reasons{{
        {std::errc::permission_denied, "没有权限，或文件是只读的"},
        {std::errc::operation_not_permitted, "没有权限"},
        {std::errc::read_only_file_system, "磁盘是只读的"},
        {std::errc::no_space_on_device, "磁盘空间不足"},
        {std::errc::is_a_directory, "这是一个文件夹"},
        {std::errc::not_a_directory, "路径中有一段不是文件夹"},
        {std::errc::no_such_file_or_directory, "找不到文件或文件夹"},
        {std::errc::filename_too_long, "路径太长"},
        {std::errc::file_too_large, "文件太大"},
        {std::errc::io_error, "磁盘读写出错"},
    }};
    for (const Reason& reason : Reasons) {
        if (error == reason.Code) {
            return reason.Text;
        }
    }
    return error.message();
}

}  // namespace morvenda
