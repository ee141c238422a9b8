// The types the engine knows, as data: one row per type, a reverse index from
// extensions to types, and the family tree that the extension verdict walks.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tivex {

enum TypeFlag : uint16_t {
    NoFlags = 0,
    // The inspectors always tell this type from its parent, so a file of the parent
    // type named with this type's extension is misnamed.
    Provable = 1,
    // A file of a descendant type may keep this type's extension (an SVG named .xml is
    // still an XML document).
    KeepsDescendants = 2,
    // The extension names no syntax (a template, a backup, a configuration file), so
    // text of any structure may carry it.
    Generic = 4,
    // The engine never names this type from content: it is known for its extensions,
    // so that TivexWhat describes them and text carrying them keeps them.
    NameOnly = 8,
    // The content proves this type, so it is proposed over a broader type's extension
    // (a JAR named .zip becomes .jar), though the broader content may still carry this
    // type's extension (a plain ZIP archive is a valid .jar).
    Distinct = 16,
    // A program or a script: the desktop would run it rather than show it. The main
    // window never offers to open a file with such an extension; its list is generated
    // from this flag at build time.
    Runnable = 32,
    // Program source or a script: such text keeps a plain text name (.txt) and a name
    // the engine does not know, even when a first line proves its language.
    SourceCode = 64,
    // A general syntax that many formats are written in (XML, JSON, INI, YAML, CSV):
    // such text keeps an extension the engine does not know, which may name a dialect.
    Carrier = 128,
    // The extension says nothing about the content (.dat, .bin): it is never the right
    // name for content the engine recognises, unless that type claims it itself.
    SaysNothing = 256,
    // The extension marks a copy or a passing state of a file (.bak, .orig, .tmp) and was
    // put there on purpose: any content keeps it.
    MarksACopy = 512,
    // Markup whose pages show their tags (HTML): content the model clearly reads as a
    // program is no page, so such a guess overrules the name; text the model only
    // guesses at (a template) keeps it.
    Markup = 1024,
};

struct TypeInfo {
    std::string_view id;
    // Canonical extension, lower case, no period; empty when the format has none
    // customary (the engine then proposes nothing).
    std::string_view ext;
    std::string_view aliases; // further accepted extensions, separated by blanks
    std::string_view parent;  // id of the broader format, or empty
    std::string_view mime;
    std::string_view descJa;
    std::string_view descEn;
    uint16_t flags = NoFlags;
    // The public document the type's facts come from (its signature, structure and
    // extensions), so that anyone can check them; shown in docs/formats.md.
    std::string_view source;

    bool has(TypeFlag flag) const { return (flags & flag) != 0; }
    // True when ext (normalized) is this type's canonical extension or an alias.
    bool claimsExtension(std::string_view ext) const;
};

std::span<const TypeInfo> allTypes();

const TypeInfo *typeById(std::string_view id);
const TypeInfo *parentOf(const TypeInfo &type);
// True when ancestor lies strictly above type in the family tree.
bool isDescendantOf(const TypeInfo &type, const TypeInfo &ancestor);

// Every type that claims the normalized extension, in table order.
const std::vector<const TypeInfo *> &typesForExtension(std::string_view ext);

// Id of the root of all text formats; text content is described with its encoding.
inline constexpr std::string_view TextTypeId = "text";
bool isTextual(const TypeInfo &type);

} // namespace tivex
