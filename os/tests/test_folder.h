#pragma once
// A fresh folder for one test, removed with everything in it, and a file's bytes.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace deckplate::os {

class Folder {
  public:
    Folder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("deckplate_os_" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directory(path_);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    std::vector<std::filesystem::path> Files() const {
        std::vector<std::filesystem::path> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return file ? content.str() : "<missing>";
}

}  // namespace deckplate::os
