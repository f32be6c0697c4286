// A small reader of the .ts format: contexts, their messages' sources and translations.
#include "manual/TranslationFile.h"

#include "manual/ManualBuilder.h"
#include "model/Cp1252.h"

#include <cstdlib>

namespace {

// The text between <tag ...> and </tag> from pos, and where it ends; found false when the
// element does not come before limit.
struct Element {
    bool found = false;
    std::string attributes;
    std::string text;
    size_t end = 0;
};

Element FindElement(const std::string& xml, const std::string& tag, size_t pos, size_t limit)
{
    Element e;
    for (size_t at = xml.find('<' + tag, pos); at != std::string::npos && at < limit; at = xml.find('<' + tag, at + 1)) {
        const size_t nameEnd = at + 1 + tag.size();
        if (nameEnd >= xml.size() || (xml[nameEnd] != '>' && xml[nameEnd] != ' ' && xml[nameEnd] != '/'))
            continue;  // <translatorcomment> is no <translation>
        const size_t close = xml.find('>', nameEnd);
        if (close == std::string::npos)
            throw ManualError("a translation file with an element cut short: <" + tag);
        e.found = true;
        e.attributes = xml.substr(nameEnd, close - nameEnd);
        if (!e.attributes.empty() && e.attributes.back() == '/') {  // <translation/>
            e.end = close + 1;
            return e;
        }
        const size_t endTag = xml.find("</" + tag + '>', close);
        if (endTag == std::string::npos)
            throw ManualError("a translation file without </" + tag + ">");
        e.text = xml.substr(close + 1, endTag - close - 1);
        e.end = endTag + tag.size() + 3;
        return e;
    }
    return e;
}

std::string Decode(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const size_t semi = text.find(';', i);
        if (semi == std::string::npos)
            throw ManualError("a translation file with a bare &: " + text);
        const std::string name = text.substr(i + 1, semi - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            q4::AppendUtf8(out, static_cast<char32_t>(name[1] == 'x' ? std::strtoul(name.c_str() + 2, nullptr, 16)
                                                                       : std::strtoul(name.c_str() + 1, nullptr, 10)));
        else
            throw ManualError("a translation file with an unknown entity &" + name + ";");
        i = semi;
    }
    return out;
}

}  // namespace

std::map<std::pair<std::string, std::string>, std::string> ReadTranslationFile(const std::string& xml)
{
    if (xml.find("<TS") == std::string::npos)
        throw ManualError("not a translation file: no <TS> element");
    std::map<std::pair<std::string, std::string>, std::string> translations;
    for (Element context = FindElement(xml, "context", 0, xml.size()); context.found;
         context = FindElement(xml, "context", context.end, xml.size())) {
        const std::string& body = context.text;
        const std::string name = Decode(FindElement(body, "name", 0, body.size()).text);
        for (Element message = FindElement(body, "message", 0, body.size()); message.found;
             message = FindElement(body, "message", message.end, body.size())) {
            const std::string& m = message.text;
            const Element source = FindElement(m, "source", 0, m.size());
            const Element translation = FindElement(m, "translation", 0, m.size());
            const bool finished = translation.attributes.find("type=") == std::string::npos;
            const bool plural = message.attributes.find("numerus=\"yes\"") != std::string::npos;
            if (source.found && translation.found && finished && !plural && !translation.text.empty())
                translations[{name, Decode(source.text)}] = Decode(translation.text);
        }
    }
    return translations;
}
