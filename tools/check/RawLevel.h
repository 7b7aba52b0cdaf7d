#pragma once
// The level file as written: every node's type and the attributes it gives, before Irrlicht
// fills in what is missing. The checker compares it with what the game made of it.

#include <map>
#include <memory>
#include <string>
#include <vector>

struct RawAttribute {
    std::string type;   // the element name: "float", "vector3d", "enum", ...
    std::string value;
};

struct RawNode {
    std::string type;   // the node's "type", e.g. "mesh", "irrKlangSceneNode"
    std::map<std::string, RawAttribute> attributes;
    std::vector<std::unique_ptr<RawNode>> children;

    bool has(const char* name) const { return attributes.count(name) > 0; }
    // The attribute's value, or "" when the file leaves it out.
    std::string value(const char* name) const;
    std::string name() const { return value("Name"); }
};

// The nodes under the level's root, or none with *error set (as the tail of a sentence: "is not
// ...") when the text cannot be read as a level. The text has passed the game's own level check.
std::vector<std::unique_ptr<RawNode>> readRawLevel(const std::string& text, std::string* error);
