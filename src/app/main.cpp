#include "app/Game.h"

// Arguments and environment are ignored: the level, scripts, sounds and shaders are the only data.
int main() {
    startUp();
    while (runFrame()) {
    }
    return 0;
}
