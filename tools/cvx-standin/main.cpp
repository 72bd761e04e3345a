// Stands in for the catheter system's control program in tests: writes
// "cvx-standin.marker" (its process id and working folder, one per line) into
// the folder it was started in, then waits to be ended. It ends by itself after
// a minute, so a test that fails to end it leaves nothing running for long.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

int main() {
    char folder[4096] = {};
    if (getcwd(folder, sizeof folder) == nullptr)
        return 1;
    {
        std::ofstream marker("cvx-standin.marker.part");
        marker << getpid() << '\n' << folder << '\n';
    }
    // Appears whole or not at all.
    if (std::rename("cvx-standin.marker.part", "cvx-standin.marker") != 0)
        return 1;
    for (int i = 0; i < 600; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return 0;
}
