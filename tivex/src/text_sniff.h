// Text recognition: is the content text at all, in which encoding, and does it carry a
// structure (markup, JSON, a script) that names a more precise type.
#pragma once

#include <optional>
#include <string_view>

#include "byte_view.h"

namespace tivex {

enum class TextEncoding {
    None,
    Ascii,
    Utf8,
    Utf8Bom,
    Utf16Le,
    Utf16Be,
    Utf32Le,
    Utf32Be,
    ShiftJis,
    EucJp,
    Iso2022Jp,
    Gb2312,
    EucKr,
    Unknown8Bit,
};

struct TextSniff {
    TextEncoding encoding = TextEncoding::None;
    std::string_view typeId;
    bool guessed = false; // told by a scored model rather than a proven structure
    bool clear = false;   // a guess whose margin may overrule another language's name
};

// Nothing when the bytes are binary. complete says whether bytes hold the whole file
// (otherwise a character or a JSON value cut at the end is forgiven).
std::optional<TextSniff> sniffText(ByteView bytes, bool complete);

std::string_view encodingName(TextEncoding encoding);

struct TextShape {
    std::string_view typeId;
    bool guessed = false;
    bool clear = false;
};

// The type that the text's structure names ("text" when none), and whether that is a
// scored guess rather than a proven structure.
TextShape textShape(std::string_view text, bool complete);

// The type id that the text's structure names ("text" when none).
std::string_view structuredTextType(std::string_view text, bool complete);

// True when text holds one JSON object or array, or the beginning of one if incomplete.
bool looksLikeJson(std::string_view text, bool complete);

} // namespace tivex
