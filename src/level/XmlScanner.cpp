#include "level/XmlScanner.h"

#include <algorithm>
#include <cstring>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isNameStart(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

const std::string_view UTF8_MARK = "\xEF\xBB\xBF";

}  // namespace

XmlScanner::XmlScanner(std::string_view text, std::size_t maxDepth) : source(text), maxDepth(maxDepth) {
    if (source.substr(0, UTF8_MARK.size()) == UTF8_MARK) pos = UTF8_MARK.size();
    if (source.find('\0') != std::string_view::npos) fail("has a zero byte, so it is not text");
}

const XmlAttribute* XmlScanner::attribute(std::string_view attributeName) const {
    for (const XmlAttribute& a : attrs)
        if (a.name == attributeName) return &a;
    return nullptr;
}

XmlScanner::Event XmlScanner::fail(const char* what) {
    if (!failed) {
        std::size_t at = std::min(pos, source.size());
        long line = 1 + std::count(source.begin(), source.begin() + static_cast<long>(at), '\n');
        problem = std::string(what) + " (line " + std::to_string(line) + ")";
        failed = true;
    }
    return Error;
}

void XmlScanner::skipSpace() {
    while (pos < source.size() && isSpace(source[pos])) ++pos;
}

bool XmlScanner::readName(std::string_view& out) {
    std::size_t begin = pos;
    if (pos >= source.size() || !isNameStart(source[pos])) return false;
    while (pos < source.size() && isNameChar(source[pos])) ++pos;
    out = source.substr(begin, pos - begin);
    return true;
}

XmlScanner::Event XmlScanner::next() {
    if (failed) return Error;
    if (pendingEnd) {
        pendingEnd = false;
        open.pop_back();
        return End;
    }
    while (pos < source.size()) {
        if (source[pos] != '<') {
            std::size_t end = std::min(source.find('<', pos), source.size());
            textRun = source.substr(pos, end - pos);
            pos = end;
            if (!open.empty()) return Text;
            if (std::any_of(textRun.begin(), textRun.end(), [](char c) { return !isSpace(c); }))
                return fail("has text outside its elements");
            continue;
        }
        if (source.compare(pos, 4, "<!--") == 0) {
            if (!skipComment()) return Error;
        } else if (source.compare(pos, 2, "<?") == 0) {
            if (!skipDeclaration()) return Error;
        } else if (source.compare(pos, 2, "<!") == 0) {
            return fail("has a DOCTYPE or CDATA section, which level files do not use");
        } else if (source.compare(pos, 2, "</") == 0) {
            return endTag();
        } else {
            return startTag();
        }
    }
    if (!open.empty()) return fail(("ends before <" + std::string(open.back()) + "> is closed").c_str());
    return Done;
}

bool XmlScanner::skipComment() {
    std::size_t end = source.find("-->", pos + 4);
    std::string_view body = source.substr(pos + 4, end - pos - 4);
    if (end == std::string_view::npos)
        fail("is cut off inside a comment");
    else if (body.find_first_of("<>") != std::string_view::npos)
        fail("has a comment with '<' or '>' in it");
    pos = end + 3;
    return !failed;
}

bool XmlScanner::skipDeclaration() {
    // Irrlicht's reader ends a declaration at the first '>', so that must be its "?>".
    std::size_t end = source.find('>', pos + 2);
    if (end == std::string_view::npos)
        fail("is cut off inside a declaration");
    else if (end < pos + 3 || source[end - 1] != '?' || source.find('<', pos + 2) < end)
        fail("has a declaration that does not end with ?>");
    pos = end + 1;
    return !failed;
}

XmlScanner::Event XmlScanner::endTag() {
    pos += 2;
    std::string_view closed;
    if (!readName(closed)) return pos >= source.size() ? fail("is cut off inside a tag") : fail("has a closing tag without a name");
    if (pos >= source.size()) return fail("is cut off inside a tag");
    if (source[pos] != '>') return fail("has a closing tag with more than a name in it");
    ++pos;
    if (open.empty()) return fail(("closes </" + std::string(closed) + "> that was never opened").c_str());
    if (open.back() != closed)
        return fail(("closes <" + std::string(open.back()) + "> with </" + std::string(closed) + ">").c_str());
    elementName = closed;
    open.pop_back();
    return End;
}

XmlScanner::Event XmlScanner::startTag() {
    ++pos;
    attrs.clear();
    if (!readName(elementName)) return pos >= source.size() ? fail("is cut off inside a tag") : fail("has a '<' that starts no tag");
    for (;;) {
        std::size_t before = pos;
        skipSpace();
        if (pos >= source.size()) return fail("is cut off inside a tag");
        char c = source[pos];
        if (c == '>' || c == '/') {
            if (c == '/' && (pos + 1 >= source.size() || source[pos + 1] != '>'))
                return pos + 1 >= source.size() ? fail("is cut off inside a tag") : fail("has a '/' inside a tag");
            pos += c == '/' ? 2 : 1;
            open.push_back(elementName);
            if (open.size() > maxDepth)
                return fail(("is nested deeper than " + std::to_string(maxDepth) + " elements").c_str());
            pendingEnd = c == '/';
            return Start;
        }
        XmlAttribute a;
        if (pos == before) return fail("has attributes not separated by spaces");
        if (!readName(a.name)) return fail("has a tag with something other than attributes in it");
        skipSpace();
        if (pos >= source.size()) return fail("is cut off inside a tag");
        if (source[pos] != '=') return fail("has an attribute without a value");
        ++pos;
        skipSpace();
        if (pos >= source.size()) return fail("is cut off inside a tag");
        char quote = source[pos];
        if (quote != '"' && quote != '\'') return fail("has an attribute value without quotes");
        std::size_t end = source.find(quote, pos + 1);
        if (end == std::string_view::npos) return fail("is cut off inside an attribute value");
        a.valueOffset = pos + 1;
        a.value = source.substr(pos + 1, end - pos - 1);
        if (a.value.find('<') != std::string_view::npos) return fail("has a '<' inside an attribute value");
        if (attribute(a.name)) return fail("has a tag with the same attribute twice");
        attrs.push_back(a);
        pos = end + 1;
    }
}
