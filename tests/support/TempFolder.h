#pragma once
// A folder of the running test's own under the system's temporary folder:
// created empty when the test starts, removed with everything in it when the
// test ends. Its name carries the test's name and a random part, so tests
// that run at the same time never share a file.

#include <filesystem>
#include <string>
#include <string_view>

namespace kor::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

    // The path of `name` in the folder, as the programs take it.
    std::string file(std::string_view name) const;

    // Writes `bytes` unchanged into `name` in the folder and returns its path.
    std::string write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

}  // namespace kor::testing
