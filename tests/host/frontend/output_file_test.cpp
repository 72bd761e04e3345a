#include "host/frontend/OutputFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public Testing::TempFolderTest {
protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
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
