#pragma once
// Plain byte access to the source and output files, with the sharing rules
// of the converter where the platform has them: others may read the source
// but not write it while it is open, and nobody may open the output.
#include <cstddef>
#include <cstdint>
#include <string>

class CSourceFile {
public:
    CSourceFile() = default;
    ~CSourceFile() { Close(); }
    CSourceFile(const CSourceFile&) = delete;
    CSourceFile& operator=(const CSourceFile&) = delete;

    bool Open(const std::string& path);
    // Reads up to `size` bytes: the count read, 0 at the end, -1 on an error.
    int64_t Read(char* buffer, size_t size);
    void Close();
    int64_t Size() const; // -1 when unknown
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

class COutputFile {
public:
    COutputFile() = default;
    ~COutputFile() { Close(); }
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;

    // Creates the file, or truncates an existing one.
    bool Create(const std::string& path);
    // Writes all bytes or fails; after a failure nothing more is written.
    bool Write(const char* data, size_t size);
    bool Close();
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

// A short description of an error number of the functions above.
std::string ErrorText(int error);
