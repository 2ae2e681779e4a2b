#pragma once
// Plain byte access to the source and output files, with the sharing rules
// of the converter where the platform has them: others may read the source
// but not write it while it is open, and nobody may open the output.
#include <cstddef>
#include <cstdint>
#include <string>

// Where the line reader takes its bytes from and where the DXF output puts
// them: the files below, or memory (the in-memory fuzz target).
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Reads up to `size` bytes: the count read, 0 at the end, -1 on an error.
    virtual int64_t Read(char* buffer, size_t size) = 0;
    virtual int64_t Size() const { return -1; } // -1 when unknown
};

class CByteSink {
public:
    virtual ~CByteSink() = default;
    // Writes all bytes or fails; after a failure nothing more is written.
    virtual bool Write(const char* data, size_t size) = 0;
    // The size of the blocks the writer should hand over.
    virtual size_t BlockSize() const { return 256 * 1024; }
};

class CSourceFile : public CByteSource {
public:
    CSourceFile() = default;
    ~CSourceFile() { Close(); }
    CSourceFile(const CSourceFile&) = delete;
    CSourceFile& operator=(const CSourceFile&) = delete;

    bool Open(const std::string& path);
    int64_t Read(char* buffer, size_t size) override;
    void Close();
    int64_t Size() const override;
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

class COutputFile : public CByteSink {
public:
    COutputFile() = default;
    ~COutputFile() { Close(); }
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;

    // Creates the file, or truncates an existing one.
    bool Create(const std::string& path);
    bool Write(const char* data, size_t size) override;
    bool Close();
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

// A short description of an error number of the functions above.
std::string ErrorText(int error);
