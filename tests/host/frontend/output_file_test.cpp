#include "host/frontend/OutputFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class OutputFileTest : public ::testing::Test {
protected:
    OutputFileTest() {
        folder =
            fs::temp_directory_path() / ("vantrel-output-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~OutputFileTest() override { fs::remove_all(folder); }

    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(OutputFileTest, ReplacesTheFileAndLeavesNothingElse) {
    const fs::path file = folder / "loops.tsv";
    writeFileAtomically(file, "old\n");
    writeFileAtomically(file, std::string(100000, 'x'));
    EXPECT_EQ(contents(file), std::string(100000, 'x'));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(OutputFileTest, FailsNamingTheFileAndKeepsWhatWasThere) {
    const fs::path file = folder / "loops.tsv";
    writeFileAtomically(file, "old\n");
    // A folder where the file should go cannot be replaced by a file.
    const fs::path blocked = folder / "blocked";
    fs::create_directories(blocked / "inside");
    for (const fs::path& target : {blocked, folder / "missing" / "loops.tsv"}) {
        try {
            writeFileAtomically(target, "new\n");
            ADD_FAILURE() << "wrote " << target;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(contents(file), "old\n");
    EXPECT_EQ(entries(), 2u); // loops.tsv and the folder: no temporary file left
}

} // namespace
} // namespace Vantrel
