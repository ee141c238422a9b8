// The verdict on a file's present extension. One rule holds it together: a present
// extension is kept only when the content is consistent with it. What "consistent" means
// for a kind of name is data in the type table (its flags and family tree); the steps
// below read that data in a fixed order, and docs/verdict.md gives the reason for each.
#include "tivex_engine.h"

#include <algorithm>

#include "text_util.h"

namespace tivex {

namespace {

constexpr int MaxFamilyDepth = 16;

bool anyNamed(const std::vector<const TypeInfo *> &named, TypeFlag flag)
{
    return std::any_of(named.begin(), named.end(), [flag](const TypeInfo *type) { return type->has(flag); });
}

// Only a type the content proves, or a guess with a clear margin, insists on its own
// extension over a broader format's: a ZIP with a KML file inside may stay .zip, a Word
// document named .zip may not.
bool insistsOnItsName(const Detection &detection)
{
    const TypeInfo &type = *detection.type;
    const bool firm = !detection.guessed || detection.clear;
    return firm && (type.has(Provable) || type.has(Distinct));
}

bool keptInFamily(const Detection &detection, std::string_view present)
{
    const TypeInfo &type = *detection.type;
    // A narrower format that the content cannot tell apart keeps its name: a plain ZIP
    // named .cbz, an XML document named .glade, plain text named .csv.
    for (const TypeInfo *named : typesForExtension(present)) {
        if (isDescendantOf(*named, type) && !named->has(Provable))
            return true;
    }
    // A broader format that fully holds this one: an SVG image named .xml. Plain text is
    // no such family: text extensions are judged by keptAsText.
    const TypeInfo *ancestor = parentOf(type);
    for (int depth = 0; ancestor && depth < MaxFamilyDepth; ++depth, ancestor = parentOf(*ancestor)) {
        if (ancestor->id == TextTypeId)
            break;
        if (ancestor->claimsExtension(present) && (ancestor->has(KeepsDescendants) || !insistsOnItsName(detection)))
            return true;
    }
    return false;
}

// The keyword model may overrule only the name of a programming language that it knows
// itself or of markup (C source named .html), and only with a clear margin: a guess never
// overrules the name of a document (.md), of data (.csv) or of a language the model
// cannot see (Pascal's .pas, .inc), which only a proven structure can.
bool overrulesLanguage(const Detection &detection, const TypeInfo &name)
{
    return detection.clear && ((name.has(SourceCode) && !name.has(NameOnly)) || name.has(Markup));
}

// Text under another text format's name. A generic name (.log, .conf, .in) holds any
// text; a plain text name (.txt) any text but a proven structure other than source
// code; a language's or a structure's name (.py, .csv) text of that kind, or text whose
// kind the model only guesses and may not overrule it with. Names of formats the content
// would prove (.json, .xml, .svg) are never text names here.
bool keptAsText(const Detection &detection, const std::vector<const TypeInfo *> &named)
{
    const TypeInfo &type = *detection.type;
    if (!isTextual(type))
        return false;
    for (const TypeInfo *name : named) {
        if (!isTextual(*name) || name->has(Provable))
            continue;
        if (name->has(Generic))
            return true;
        if (name->id == TextTypeId) {
            if (detection.guessed || type.has(SourceCode))
                return true;
            continue;
        }
        if (detection.guessed && !overrulesLanguage(detection, *name))
            return true;
    }
    return false;
}

// A name the engine has no row for may belong to a program's own dialect (.lang, .page,
// .cocci): text keeps it unless the content proves a format of its own that such a name
// cannot stand for (a certificate, an SVG image, a mail message).
bool keptUnderUnknownName(const Detection &detection)
{
    const TypeInfo &type = *detection.type;
    return isTextual(type) && (detection.guessed || type.has(Carrier) || type.has(SourceCode));
}

// "icon.png.in", "photo.jpg.orig": the name already says what the content is, and the
// suffix after it was added on purpose.
bool baseCarriesTheType(const TypeInfo &type, std::string_view base, const std::vector<const TypeInfo *> &named)
{
    const bool markerSuffix = std::all_of(named.begin(), named.end(), [](const TypeInfo *t) { return t->has(Generic); });
    const std::string inner = asciiLower(splitName(base).ext);
    return markerSuffix && !inner.empty() && type.claimsExtension(inner);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// libfoo.so.1 and libfoo.so.1.2: the number after ".so" is a version, not a misnamed
// extension.
bool isVersionedLibraryName(std::string_view base, std::string_view present)
{
    if (!allDigits(present))
        return false;
    const size_t so = base.rfind(".so");
    if (so == std::string_view::npos)
        return false;
    std::string_view rest = base.substr(so + 3);
    while (!rest.empty()) {
        if (rest.front() != '.')
            return false;
        rest.remove_prefix(1);
        const size_t next = std::min(rest.find('.'), rest.size());
        if (!allDigits(rest.substr(0, next)))
            return false;
        rest.remove_prefix(next);
    }
    return true;
}

bool presentIsConsistent(const Detection &detection, std::string_view present, std::string_view base)
{
    const TypeInfo &type = *detection.type;
    if (type.claimsExtension(present))
        return true;
    const std::vector<const TypeInfo *> &named = typesForExtension(present);
    if (anyNamed(named, MarksACopy))
        return true;
    if (anyNamed(named, SaysNothing))
        return false;
    if (keptInFamily(detection, present) || keptAsText(detection, named))
        return true;
    if (type.id == "elf-so" && isVersionedLibraryName(base, present))
        return true;
    if (baseCarriesTheType(type, base, named))
        return true;
    return named.empty() && keptUnderUnknownName(detection);
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string proposeExtension(const Detection &detection, std::string_view presentExt, std::string_view base)
{
    if (!detection.type)
        return {};
    // Only an ASCII extension is lowered: in a double-byte code page such as CP932 a
    // trail byte may be an ASCII letter, and lowering it would name another character.
    const std::string present = isAscii(presentExt) ? asciiLower(presentExt) : std::string(presentExt);
    if (!present.empty() && presentIsConsistent(detection, present, base))
        return present;
    return std::string(detection.type->ext);
}

std::string proposeExtension(const TypeInfo *type, std::string_view presentExt)
{
    Detection detection;
    detection.type = type;
    return proposeExtension(detection, presentExt);
}

} // namespace tivex
