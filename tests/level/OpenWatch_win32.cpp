#include "OpenWatch.h"

OpenWatch::OpenWatch(const std::string&) {}

OpenWatch::~OpenWatch() = default;

bool OpenWatch::noFileOpened() const { return true; }
