#include "RawLevel.h"

#include <tinyxml.h>


namespace {

// Depth cap: the file is untrusted and TinyXML itself recurses once per level.
const int DEEPEST = 200;

void readNode(const TiXmlElement& element, RawNode& node, int depth) {
    if (const char* type = element.Attribute("type")) node.type = type;
    for (const TiXmlElement* part = element.FirstChildElement(); part; part = part->NextSiblingElement()) {
        if (part->ValueStr() == "attributes") {
            for (const TiXmlElement* a = part->FirstChildElement(); a; a = a->NextSiblingElement()) {
                const char* name = a->Attribute("name");
                const char* value = a->Attribute("value");
                if (name && !node.attributes.count(name))
                    node.attributes[name] = RawAttribute{a->ValueStr(), value ? value : ""};
            }
        } else if (part->ValueStr() == "node" && depth < DEEPEST) {
            node.children.emplace_back(new RawNode());
            readNode(*part, *node.children.back(), depth + 1);
        }
    }
}

}  // namespace

std::string RawNode::value(const char* name) const {
    auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : found->second.value;
}

std::vector<std::unique_ptr<RawNode>> readRawLevel(const std::string& text, std::string* error) {
    std::vector<std::unique_ptr<RawNode>> nodes;
    TiXmlDocument document;
    document.Parse(text.c_str());
    if (document.Error()) {
        *error = std::string("is not well-formed XML (") + document.ErrorDesc() + ")";
        return nodes;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "irr_scene") {
        *error = "has no irr_scene root element";
        return nodes;
    }
    RawNode top;
    readNode(*root, top, 0);
    error->clear();
    return std::move(top.children);
}
