#include "app/QuitBound.h"

#include "app/ProcessEnd.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Within the two seconds a player waits for Escape, with room for the process to go.
const auto TIDY_UP_TIME = std::chrono::milliseconds(1500);

}  // namespace

void boundTheQuit() {
    std::thread([] {
        std::this_thread::sleep_for(TIDY_UP_TIME);
        std::printf("Game: tidying up took longer than 1.5 s; the game ends without it\n");
        std::fflush(stdout);
        endProcessNow(0);
    }).detach();
}
