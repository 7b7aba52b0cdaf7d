#pragma once
// A strict, non-recursive reader for the XML that level content is written in (levels, meshes,
// sound analysis files). It finds what would trip the libraries' own readers before they see it:
// a file cut off inside a tag, comment or declaration, a tag that is never closed or closes the
// wrong element, an attribute without a quoted value, a zero byte, or nesting deeper than the
// caller allows (Irrlicht's XML reader runs past its buffer on the first kinds, TinyXML's parser
// recurses once per level). It accepts less than XML allows: no DOCTYPE, no CDATA, and no '<' or
// '>' inside comments, because Irrlicht's reader counts brackets there.
//
// Each call to next() yields one event; a self-closing element yields Start then End.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct XmlAttribute {
    std::string_view name;
    std::string_view value;   // as written, entities not replaced
    std::size_t valueOffset;  // where the value starts in the scanned text
};

class XmlScanner {
public:
    enum Event { Start, End, Text, Done, Error };

    XmlScanner(std::string_view text, std::size_t maxDepth);

    Event next();

    std::string_view name() const { return elementName; }  // of a Start or End
    const std::vector<XmlAttribute>& attributes() const { return attrs; }  // of a Start
    const XmlAttribute* attribute(std::string_view attributeName) const;
    std::string_view text() const { return textRun; }  // of a Text
    std::size_t depth() const { return open.size(); }  // elements open, a Start's own included
    // What is wrong, with its line: "is cut off inside a tag (line 3)".
    const std::string& error() const { return problem; }

private:
    Event fail(const char* what);
    Event startTag();
    Event endTag();
    bool skipComment();
    bool skipDeclaration();
    bool readName(std::string_view& out);
    void skipSpace();

    std::string_view source;
    std::size_t pos = 0;
    std::size_t maxDepth;
    std::vector<std::string_view> open;
    bool pendingEnd = false;
    bool failed = false;

    std::string_view elementName;
    std::vector<XmlAttribute> attrs;
    std::string_view textRun;
    std::string problem;
};
