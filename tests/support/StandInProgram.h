#pragma once
// The stand-in for the catheter system's control program (tools/cvx-standin),
// for tests that start it for real: temporary folders to install it in, its
// marker, and ending it.

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// A new empty folder below the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    // UTF-16 form of Path() / relative.
    std::u16string Text(const std::filesystem::path& relative = {}) const;

private:
    std::filesystem::path mPath;
};

// Copies the stand-in to folder / name (creating the folder), executable.
std::filesystem::path InstallStandIn(const std::filesystem::path& folder,
                                     const std::string& name = "CVX.exe");
// Starts the program in its own folder, without the shell; its process id.
int StartProgram(const std::filesystem::path& program);

// A text file whose first line is the target, as the shell layer's link files are.
void WriteLinkFile(const std::filesystem::path& link, const std::filesystem::path& target);

struct StandInMarker {
    int pid = 0;
    std::filesystem::path folder; // the folder it runs in
};
// The marker the stand-in leaves in folder, waited for up to ten seconds.
std::optional<StandInMarker> WaitForMarker(const std::filesystem::path& folder);

// Ends the process and waits for it to go.
void EndProcess(int pid);

} // namespace testsupport
