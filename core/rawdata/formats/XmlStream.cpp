#include "core/rawdata/formats/XmlStream.h"

#include <expat.h>

#include <cstring>

namespace qv {
namespace {

constexpr char kNamespaceSeparator = '|';

std::string_view localName(const char* name) {
    const std::string_view full(name);
    const size_t separator = full.rfind(kNamespaceSeparator);
    return separator == std::string_view::npos ? full : full.substr(separator + 1);
}

void XMLCALL onStart(void* handler, const XML_Char* name, const XML_Char** attributes) {
    static_cast<XmlHandler*>(handler)->start(localName(name), attributes);
}

void XMLCALL onEnd(void* handler, const XML_Char* name) {
    static_cast<XmlHandler*>(handler)->end(localName(name));
}

void XMLCALL onText(void* handler, const XML_Char* text, int length) {
    static_cast<XmlHandler*>(handler)->text({text, static_cast<size_t>(length)});
}

}  // namespace

const char* xmlAttribute(const char** attributes, std::string_view name) {
    for (; *attributes; attributes += 2)
        if (localName(attributes[0]) == name) return attributes[1];
    return nullptr;
}

XmlStream::XmlStream(XmlHandler& handler)
    : parser_(XML_ParserCreateNS(nullptr, kNamespaceSeparator)) {
    XML_SetUserData(parser_, &handler);
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
}

XmlStream::~XmlStream() { XML_ParserFree(parser_); }

bool XmlStream::feed(std::string_view piece, bool last) {
    if (!error_.empty()) return false;
    if (XML_Parse(parser_, piece.data(), static_cast<int>(piece.size()), last) != XML_STATUS_ERROR)
        return true;
    error_ = "line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " +
             XML_ErrorString(XML_GetErrorCode(parser_));
    return false;
}

std::string StreamZipPart(const ZipArchive& zip, const std::string& part, XmlHandler& handler) {
    XmlStream xml(handler);
    const std::string error = zip.readPart(part, [&](std::string_view piece) {
        return xml.feed(piece, false) && !handler.done();
    });
    if (!error.empty()) return error;
    if (!handler.done()) xml.feed({}, true);
    if (xml.error().empty()) return {};
    return zip.path() + " is damaged in its part " + part + ", " + xml.error() + ".";
}

}  // namespace qv
