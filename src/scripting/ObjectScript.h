#pragma once
// Scripts of level objects. A script is level data and so untrusted: whatever it does, these
// calls print at most one line about it and the game goes on.

#include <optional>
#include <string>

struct GameObject;

// The script a node of that name runs: "1Door" and "Door" share Content/scripts/Door.lua.
std::string scriptPathFor(const char* nodeName);

// Gives a registered object the script in `path`: a new state with the script functions, the
// file run, "objID" set, the two loading lines printed and "OnCreate" called, printing within a
// print frame of the object's own (PrintBudget.h). A file that is
// not there leaves the object without a script, silently; one that fails to load or run is
// reported, and its state closed.
void attachScript(GameObject& object, const char* path);

// Calls an event of the object's script, if it has one. A failure is reported in one line
// naming the object, the event and Lua's message; a failing "OnTick" only the first time, later
// failures of the same object are counted. The script stays attached, but an "OnTick" stopped by
// its budget three frames running is not called any more (one line says so); other events are.
void callObjectEvent(GameObject& object, const char* event);

// Calls an event a script may leave out: the trigger events, with the entering object's id as
// `argument` where they take one. No such function is no error; otherwise the event is called
// and its failures are counted, reported and rested as OnTick's are.
void callOptionalEvent(GameObject& object, const char* event, std::optional<int> argument);

// Closes the object's script state, if it has one, and forgets what was counted about it.
void detachScript(GameObject& object);

// Whether the object's "OnTick" is no longer called.
bool tickResting(const GameObject& object);

// How often the object's "OnTick" has failed so far.
int tickFailures(const GameObject& object);
