#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace Vantrel::Testing {

/// A fixture with an empty folder of its own, removed after the test.
class TempFolderTest : public ::testing::Test {
protected:
    TempFolderTest()
        : folder(std::filesystem::temp_directory_path() /
                 ("vantrel-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~TempFolderTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }

    static std::string contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const std::filesystem::path folder;
};

} // namespace Vantrel::Testing
