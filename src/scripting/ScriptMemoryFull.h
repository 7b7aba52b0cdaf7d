#pragma once
// Once all scripts together have met their memory cap while a level loads, the level's later
// objects get no script: each would only fail the same way, at the cost of a new state and a
// line. One line says so when it happens, and one line at the end of loading counts them.

struct GameObject;

// The object's script met the memory cap of all scripts: later objects get none.
void noteAllScriptsFull();

// True, and the object counted, when it is to get no script for that reason.
bool refusedForMemory();

// The level is loaded: the count in one line, if any; the next level starts afresh.
void reportScriptsRefused();
