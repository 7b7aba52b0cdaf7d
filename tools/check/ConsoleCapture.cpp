#include <cstdio>

#include "ConsoleCapture.h"

#include <unistd.h>

ConsoleCapture::ConsoleCapture() : savedOut(-1), file(std::tmpfile()) {
    std::fflush(stdout);
    if (!file) return;
    savedOut = dup(STDOUT_FILENO);
    dup2(fileno(file), STDOUT_FILENO);
}

ConsoleCapture::~ConsoleCapture() {
    if (savedOut >= 0) finish();
    if (file) std::fclose(file);
}

std::vector<std::string> ConsoleCapture::finish() {
    std::vector<std::string> lines;
    std::fflush(stdout);
    if (savedOut < 0) return lines;
    dup2(savedOut, STDOUT_FILENO);
    close(savedOut);
    savedOut = -1;
    std::rewind(file);
    std::string line;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        if (c != '\n') {
            line += char(c);
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
