#pragma once
// A temporary folder for tests that write files.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

// A folder removed with everything in it when the test ends.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quelm-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored; // a destructor must not throw; a leftover folder is harmless
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(Path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return Path(name);
    }
    static std::vector<uint8_t> Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
    }

private:
    std::string m_path;
};
