#pragma once
// Text from level content (node names, paths, Lua's messages) on its way to the player's
// console. It may hold anything: a newline would break the one-line rule, and escape sequences,
// carriage returns or bells would reach the terminal itself. So control bytes (C0, DEL, C1 and
// bytes that are no UTF-8) are shown escaped as \xNN, and long text is cut with "...".

#include <cstddef>
#include <string>
#include <string_view>

// At most `longest` bytes of the text, made safe for one console line.
std::string oneLine(std::string_view text, std::size_t longest = 300);

// A node name as the game's lines show it: the same, cut shorter.
std::string shownName(std::string_view name);
