#pragma once
// Temporary files for the tests of the converter, its console tool and its
// dialog program: each test gets a folder of its own, named after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside a test";
        m_path = std::filesystem::temp_directory_path() / ("trenvika test " + name);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    std::string Path(const std::string& name = "") const { return (m_path / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifdef TEST_DATA_DIR
inline std::string DataFile(const std::string& name) { return std::string(TEST_DATA_DIR) + "/data/" + name; }
#endif
