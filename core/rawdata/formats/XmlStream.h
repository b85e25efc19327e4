#pragma once

#include <string>
#include <string_view>

#include "core/rawdata/formats/ZipArchive.h"

struct XML_ParserStruct;

namespace qv {

// What a streamed XML part reports: element starts with their attributes, text, element
// ends. Names are local names, without namespace or prefix.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // attributes: pairs of namespace-qualified name and value, ended by a null name.
    virtual void start(std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;
    // True once the handler has what it wants: the rest of the part is not read.
    virtual bool done() const { return false; }
};

// The value of the attribute with this local name, or nullptr.
const char* xmlAttribute(const char** attributes, std::string_view localName);

// Parses an XML part piece by piece with expat, so a sheet of any size streams through
// fixed memory instead of standing in memory as a tree.
class XmlStream {
public:
    explicit XmlStream(XmlHandler& handler);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // False when the bytes are no well-formed XML; error() then says where and why.
    bool feed(std::string_view piece, bool last);
    const std::string& error() const { return error_; }

private:
    XML_ParserStruct* parser_;
    std::string error_;
};

// Streams one part of the archive through the handler. Returns an error naming the file,
// the part and the place, or an empty text.
std::string StreamZipPart(const ZipArchive& zip, const std::string& part, XmlHandler& handler);

}  // namespace qv
