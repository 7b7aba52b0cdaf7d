#pragma once
// Which scene nodes a level may hold, and the caps on attributes that set sizes and counts.
// A level names node types and attributes that Irrlicht builds without question: a terrain
// reads any heightmap file and sizes itself after it, a particle system emits at any rate, a
// sphere tessellates to any polycount. The game builds only the nodes it gives meaning to (mesh,
// animated mesh, sound emitter, empty) and the plain scene nodes a designer may use for looks
// (dummy transformation, cube, sphere, billboard, light, sky dome); counts those take are held to
// caps before Irrlicht reads them.

#include <optional>
#include <string>
#include <string_view>

// True for a node type the level loader builds.
bool isBuiltNodeType(std::string_view type);

// The type a node of another type becomes: it is left out, its children stay.
extern const char* const LEFT_OUT_NODE_TYPE;

// For a count attribute past its cap on a node of `type`, the value Irrlicht reads in its place.
std::optional<std::string> cappedAttribute(std::string_view type, std::string_view name, std::string_view value);
