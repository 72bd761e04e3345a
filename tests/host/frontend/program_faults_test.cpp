// Every file call that `vantrel analyze -o` makes, on the recording and on the output, made to fail
// in turn: each failure ends the command with status 1 and one line on standard error naming the
// file, leaves the recording and an earlier output as they were, and leaves no temporary file.

#include "host/frontend/Program.h"

#include "FakeAnalyzer.h"
#include "FileCallsProbe.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

class ProgramFaultTest : public Testing::TempFolderTest {
protected:
    // Runs the command with the n-th file call failing, for n = 1, 2, ... until a run makes fewer
    // calls than n (and succeeds), checking each failed run; the names of the calls that failed.
    // written is the file the output names at the end of its links.
    std::set<std::string> failEachCall(const fs::path& output, const std::string& earlier,
                                       const fs::path& written = {}) {
        const std::string recordingText = contents(recording);
        std::set<std::string> failed;
        for (int n = 1; n < 200; ++n) {
            Testing::FileCallsProbe probe;
            probe.failAt = n;
            std::ostringstream out, err;
            const std::vector<std::string_view> arguments{"analyze", recording.c_str(), "-o", output.c_str()};
            int status = 0;
            {
                const ScopedFileCalls scope(probe);
                status =
                    runProgram(arguments, out, err, [] { return std::make_unique<Testing::FakeAnalyzer>(); });
            }
            if (probe.failed.empty()) {
                EXPECT_EQ(status, 0) << err.str();
                EXPECT_TRUE(contents(output).starts_with("loop\trecord"));
                return failed;
            }
            SCOPED_TRACE("call " + std::to_string(n) + ", " + probe.failed);
            failed.insert(probe.failed);
            EXPECT_EQ(status, 1);
            EXPECT_EQ(out.str(), "");
            const std::string message = err.str();
            EXPECT_TRUE(message.starts_with("vantrel: cannot ") &&
                        message.ends_with(": Input/output error\n"))
                << message;
            const fs::path& file = written.empty() ? output : written;
            EXPECT_TRUE(message.find(recording.string()) != std::string::npos ||
                        message.find(output.string()) != std::string::npos ||
                        message.find(file.string()) != std::string::npos)
                << message;
            EXPECT_EQ(contents(recording), recordingText);
            if (earlier.empty())
                EXPECT_FALSE(fs::exists(output));
            else
                EXPECT_EQ(contents(output), earlier);
            for (const auto& entry : fs::recursive_directory_iterator(folder))
                EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
        }
        ADD_FAILURE() << "the command never succeeded";
        return failed;
    }

    const fs::path recording =
        write("rec.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,1,2\n1,1,2\n1.5,1,2\n");
};

TEST_F(ProgramFaultTest, EachFailedCallOfTheImportAndTheAtomicWriteLosesNothing) {
    const fs::path output = write("loops.tsv", "earlier results\n");
    EXPECT_EQ(failEachCall(output, "earlier results\n"),
              (std::set<std::string>{"stat", "open", "fstat", "read", "close", "realpath", "makeTemporary",
                                     "write", "fsync", "fchown", "fchmod", "rename"}));
}

TEST_F(ProgramFaultTest, ANewOutputIsNotCreatedWhenACallFails) {
    EXPECT_EQ(failEachCall(folder / "new.tsv", ""),
              (std::set<std::string>{"stat", "lstat", "open", "fstat", "read", "close", "makeTemporary",
                                     "write", "fsync", "fchmod", "rename"}));
}

TEST_F(ProgramFaultTest, AnOutputThroughALinkLosesNothingEither) {
    const fs::path target = write("target.tsv", "earlier results\n");
    fs::create_directory(folder / "links");
    fs::create_symlink("../target.tsv", folder / "links" / "loops.tsv");
    fs::create_symlink("../missing.tsv", folder / "links" / "dangling.tsv");
    EXPECT_TRUE(
        failEachCall(folder / "links" / "loops.tsv", "earlier results\n", target).contains("realpath"));
    EXPECT_EQ(contents(target).substr(0, 4), "loop");
    EXPECT_TRUE(failEachCall(folder / "links" / "dangling.tsv", "", folder / "links" / ".." / "missing.tsv")
                    .contains("readlink"));
    EXPECT_TRUE(fs::is_symlink(folder / "links" / "dangling.tsv"));
}

} // namespace
} // namespace Vantrel
