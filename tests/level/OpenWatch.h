#pragma once
// Watches a folder while it lives, for a test that no file in it is ever opened. Linux tells of
// every open (inotify); Windows reports no opens, so there the check is left to the Linux run.
#include <string>

class OpenWatch {
public:
    explicit OpenWatch(const std::string& folder);
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    // False when a file in the folder was opened, or when the watch could not be set up.
    bool noFileOpened() const;

private:
    int handle = -1;
};
