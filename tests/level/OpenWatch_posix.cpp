#include "OpenWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

OpenWatch::OpenWatch(const std::string& folder) : handle(inotify_init1(IN_NONBLOCK)) {
    if (handle >= 0 && inotify_add_watch(handle, folder.c_str(), IN_OPEN) < 0) {
        close(handle);
        handle = -1;
    }
}

OpenWatch::~OpenWatch() {
    if (handle >= 0) close(handle);
}

bool OpenWatch::noFileOpened() const {
    char event[4096];
    return handle >= 0 && read(handle, event, sizeof event) < 0;
}
