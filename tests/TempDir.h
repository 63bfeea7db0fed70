#pragma once
// A temporary folder for tests that write files.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

// A folder removed with everything in it when the test ends.
class TempDir {
public:
    TempDir() {
        // The system's own separator, so that paths made here compare as text with the full
        // path names the program makes.
        std::string base = std::filesystem::temp_directory_path().u8string();
        if (!base.empty() && base.back() == kSeparator) base.pop_back();
        std::random_device random;
        for (int attempt = 0; attempt < kAttempts && m_path.empty(); ++attempt) {
            std::string name = base + kSeparator + "quelm-test-" + std::to_string(random());
            std::error_code error;
            if (!std::filesystem::create_directory(std::filesystem::u8path(name), error)) continue;
            // Private, as a folder made by mkdtemp would be.
            std::filesystem::permissions(std::filesystem::u8path(name),
                                         std::filesystem::perms::owner_all, error);
            m_path = name;
        }
        if (m_path.empty()) throw std::runtime_error("cannot create a folder in " + base);
    }
    ~TempDir() {
        std::error_code ignored; // a destructor must not throw; a leftover folder is harmless
        std::filesystem::remove_all(std::filesystem::u8path(m_path), ignored);
    }
    std::string Path(const std::string& name) const { return m_path + kSeparator + name; }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(std::filesystem::u8path(Path(name)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return Path(name);
    }
    static std::vector<uint8_t> Read(const std::string& path) {
        std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
    }
    // The names in a folder, sorted, each followed by a space: what a save left behind.
    static std::string Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::u8path(folder)))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        std::string out;
        for (const std::string& name : names)
            out += name + " ";
        return out;
    }

private:
    static constexpr int kAttempts = 100;
    static constexpr char kSeparator = char(std::filesystem::path::preferred_separator);
    std::string m_path;
};
