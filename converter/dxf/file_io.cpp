#include "file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

int OpenForReading(const std::string& path)
{
#ifdef _WIN32
    int fd = -1;
    if (_sopen_s(&fd, path.c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL, _SH_DENYWR, 0) != 0) return -1;
    return fd;
#else
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd);
            errno = EISDIR;
            return -1;
        }
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    return fd;
#endif
}

int CreateForWriting(const std::string& path)
{
#ifdef _WIN32
    int fd = -1;
    if (_sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _SH_DENYRW,
                 _S_IREAD | _S_IWRITE) != 0)
        return -1;
    return fd;
#else
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
#endif
}

int64_t ReadSome(int fd, char* buffer, size_t size)
{
#ifdef _WIN32
    if (size > (1u << 30)) size = 1u << 30;
    return _read(fd, buffer, static_cast<unsigned>(size));
#else
    ssize_t count;
    do count = ::read(fd, buffer, size);
    while (count < 0 && errno == EINTR);
    return count;
#endif
}

int64_t WriteSome(int fd, const char* data, size_t size)
{
#ifdef _WIN32
    if (size > (1u << 30)) size = 1u << 30;
    return _write(fd, data, static_cast<unsigned>(size));
#else
    ssize_t count;
    do count = ::write(fd, data, size);
    while (count < 0 && errno == EINTR);
    return count;
#endif
}

int CloseFd(int fd)
{
#ifdef _WIN32
    return _close(fd);
#else
    return ::close(fd);
#endif
}

} // namespace

bool CSourceFile::Open(const std::string& path)
{
    Close();
    m_fd = OpenForReading(path);
    m_error = m_fd < 0 ? errno : 0;
    return m_fd >= 0;
}

int64_t CSourceFile::Read(char* buffer, size_t size)
{
    int64_t count = ReadSome(m_fd, buffer, size);
    if (count < 0) m_error = errno;
    return count;
}

int64_t CSourceFile::Size() const
{
#ifdef _WIN32
    struct _stat64 info {};
    if (_fstat64(m_fd, &info) != 0) return -1;
#else
    struct stat info {};
    if (fstat(m_fd, &info) != 0) return -1;
#endif
    return static_cast<int64_t>(info.st_size);
}

void CSourceFile::Close()
{
    if (m_fd >= 0) CloseFd(m_fd);
    m_fd = -1;
}

bool COutputFile::Create(const std::string& path)
{
    Close();
    m_fd = CreateForWriting(path);
    m_error = m_fd < 0 ? errno : 0;
    return m_fd >= 0;
}

bool COutputFile::Write(const char* data, size_t size)
{
    if (m_fd < 0 || m_error != 0) return false;
    while (size > 0) {
        int64_t count = WriteSome(m_fd, data, size);
        if (count <= 0) {
            m_error = count < 0 ? errno : ENOSPC;
            return false;
        }
        data += count;
        size -= static_cast<size_t>(count);
    }
    return true;
}

bool COutputFile::Close()
{
    if (m_fd < 0) return m_error == 0;
    if (CloseFd(m_fd) != 0 && m_error == 0) m_error = errno;
    m_fd = -1;
    return m_error == 0;
}

std::string ErrorText(int error) { return std::strerror(error); }
