#include "formats_doc.h"

#include <string_view>

#include "type_table.h"

namespace tivex {

namespace {

void appendCell(std::string &out, std::string_view text)
{
    out += ' ';
    for (char c : text) {
        if (c == '|')
            out += "\\|";
        else
            out += c;
    }
    out += " |";
}

std::string dottedList(std::string_view words)
{
    std::string list;
    while (!words.empty()) {
        const size_t blank = words.find(' ');
        const std::string_view word = words.substr(0, blank);
        if (!word.empty()) {
            if (!list.empty())
                list += ", ";
            list += '.';
            list += word;
        }
        if (blank == std::string_view::npos)
            break;
        words.remove_prefix(blank + 1);
    }
    return list;
}

} // namespace

std::string formatsDocument()
{
    const auto types = allTypes();
    size_t detected = 0;
    for (const TypeInfo &type : types)
        detected += type.has(NameOnly) ? 0 : 1;

    std::string out;
    out += "# Formats known to tivex\n\n";
    out += "Generated from the engine's type table by `tivex_formats_doc`; do not edit by hand.\n";
    out += "Regenerate with `build/bin/tivex_formats_doc > docs/formats.md`.\n\n";
    out += std::to_string(types.size()) + " types, " + std::to_string(detected) +
           " of them recognised from the content. The others are known by their extensions only: "
           "TivexWhat describes them, and text named with them keeps its name. Each row names the "
           "public document its facts come from.\n\n";
    out += "| id | extension | also accepted | parent | recognised | MIME type | 説明 | description | source |\n";
    out += "|---|---|---|---|---|---|---|---|---|\n";
    for (const TypeInfo &type : types) {
        out += '|';
        appendCell(out, type.id);
        appendCell(out, type.ext.empty() ? std::string("(none)") : "." + std::string(type.ext));
        appendCell(out, dottedList(type.aliases));
        appendCell(out, type.parent);
        appendCell(out, type.has(NameOnly) ? "name only" : "content");
        appendCell(out, type.mime);
        appendCell(out, type.descJa);
        appendCell(out, type.descEn);
        appendCell(out, type.source);
        out += '\n';
    }
    return out;
}

} // namespace tivex
