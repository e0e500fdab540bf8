// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/PasteNormaliser.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/MetricLength.h"
#include "engine/NumberText.h"
#include "engine/Parser.h"

namespace plumbrule {

namespace {

// No length of at most 64 characters comes wrapped in this much text; a
// clipboard this large is refused before it is even decoded.
constexpr std::size_t kMaxClipboardBytes = 4096;

// Decodes UTF-8, refusing malformed text (stray continuation bytes, overlong
// forms, surrogates, code points beyond U+10FFFF, cut-off sequences).
std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, cp = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, cp = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, cp = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// White space that may surround a copied length: line ends from a
// spreadsheet cell, no-break and thin spaces from a word processor, a BOM.
bool isTrimmable(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Blanks inside a length: the ones that sit on one line. Line breaks and
// other control characters inside the text are refused.
bool isInnerBlank(char32_t c) {
    return c == 0x20 || c == 0x09 || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// One character as the plain ASCII the reader below understands, or
// nothing for a character that has no place in a length.
std::optional<std::string_view> asciiOf(char32_t c) {
    if (isInnerBlank(c)) return " ";
    switch (c) {
        case U'\u2032':
        case U'\u2018':
        case U'\u2019':
            return "'";  // ′ ‘ ’
        case U'\u2033':
        case U'\u201C':
        case U'\u201D':
            return "\"";  // ″ “ ”
        case U'\u2212':
        case U'\u2010':
        case U'\u2011':
        case U'\u2012':
        case U'\u2013':
            return "-";  // − ‐ ‑ ‒ –
        case U'\u2044':
        case U'\u2215':
            return "/";  // ⁄ ∕
        // A vulgar fraction is a fraction after a blank: "3½" is "3 1/2".
        case U'\u00BD':
            return " 1/2";
        case U'\u00BC':
            return " 1/4";
        case U'\u00BE':
            return " 3/4";
        case U'\u215B':
            return " 1/8";
        case U'\u215C':
            return " 3/8";
        case U'\u215D':
            return " 5/8";
        case U'\u215E':
            return " 7/8";
        default:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> toAscii(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) {
        if ((c >= U'0' && c <= U'9') || c == U'.' || c == U',' || c == U'/' || c == U'-' ||
            c == U'\'' || c == U'"' || (c >= U'a' && c <= U'z')) {
            out.push_back(static_cast<char>(c));
        } else if (c >= U'A' && c <= U'Z') {
            out.push_back(static_cast<char>(c - U'A' + U'a'));
        } else if (const auto mapped = asciiOf(c)) {
            out.append(*mapped);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// A reader over the plain text, moving forward only on a match.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }

    void skipBlanks() {
        while (!atEnd() && text_[pos_] == ' ') ++pos_;
    }
    bool eat(char c) {
        if (atEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    // A whole word: "in" does not match the start of "inx".
    bool eatWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        const std::size_t end = pos_ + word.size();
        if (end < text_.size() && isLetter(text_[end])) return false;
        pos_ = end;
        return true;
    }
    // A period right after "ft" or "in" ends the abbreviation, even with
    // digits after it: on a tape measure "6ft.2in" is 6'2", never 6'0.2".
    void eatAbbreviationPoint() { eat('.'); }

    std::optional<std::string> digits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_])) ++pos_;
        if (pos_ == start) return std::nullopt;
        return std::string(text_.substr(start, pos_ - start));
    }
    // Digits with at most one point; digits may be missing on one side.
    std::optional<std::string> number() {
        const std::size_t start = pos_;
        const auto before = digits();
        if (eat('.')) {
            const auto after = digits();
            if (!before && !after) {
                rewind(start);
                return std::nullopt;
            }
        } else if (!before) {
            return std::nullopt;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Fraction {
    std::string numerator;
    std::string denominator;
};

struct InchPart {
    std::string whole;
    std::optional<Fraction> fraction;
};

std::optional<Fraction> readFraction(Reader& in) {
    const std::size_t start = in.position();
    auto numerator = in.digits();
    in.skipBlanks();
    if (numerator && in.eat('/')) {
        in.skipBlanks();
        if (auto denominator = in.digits()) return Fraction{*numerator, *denominator};
    }
    in.rewind(start);
    return std::nullopt;
}

bool readFeetMark(Reader& in) {
    const std::size_t start = in.position();
    if (in.eat('\'')) {
        if (!in.eat('\'')) return true;  // two apostrophes are an inch mark
        in.rewind(start);
        return false;
    }
    if (in.eatWord("feet") || in.eatWord("foot")) return true;
    if (in.eatWord("ft")) {
        in.eatAbbreviationPoint();
        return true;
    }
    return false;
}

bool readInchMark(Reader& in) {
    if (in.eat('"')) return true;
    const std::size_t start = in.position();
    if (in.eat('\'') && in.eat('\'')) return true;
    in.rewind(start);
    if (in.eatWord("inches") || in.eatWord("inch")) return true;
    if (in.eatWord("in")) {
        in.eatAbbreviationPoint();
        return true;
    }
    return false;
}

// Whole inches and a fraction ("3 1/2", "3-1/2", "3 - 1/2"), a fraction
// alone ("1/2"), or a number of inches ("3", "6.25").
std::optional<InchPart> readInchPart(Reader& in) {
    const std::size_t start = in.position();
    if (auto whole = in.digits()) {
        const std::size_t afterWhole = in.position();
        in.skipBlanks();
        const bool dash = in.eat('-');
        in.skipBlanks();
        if (dash || in.position() > afterWhole) {
            if (auto fraction = readFraction(in)) return InchPart{*whole, fraction};
        }
        in.rewind(start);
    }
    if (auto fraction = readFraction(in)) return InchPart{"0", fraction};
    if (auto inches = in.number()) return InchPart{*inches, std::nullopt};
    return std::nullopt;
}

// Reads the plain text as one length and writes it in the display's form.
std::optional<std::string> rewrite(std::string_view plain) {
    Reader in(plain);
    const bool negative = in.eat('-');
    in.skipBlanks();

    std::optional<std::string> feet;
    const std::size_t start = in.position();
    if (auto number = in.number()) {
        in.skipBlanks();
        if (readFeetMark(in)) {
            feet = *number;
        } else {
            in.rewind(start);
        }
    }

    std::optional<InchPart> inches;
    bool inchMark = false;
    in.skipBlanks();
    if (feet) {
        // Between feet and inches: blanks, a dash or a comma.
        const bool separator = in.eat('-') || in.eat(',');
        in.skipBlanks();
        if (separator && in.atEnd()) return std::nullopt;
    }
    if (!feet || !in.atEnd()) {
        inches = readInchPart(in);
        if (!inches) return std::nullopt;
        in.skipBlanks();
        inchMark = readInchMark(in);
        in.skipBlanks();
    }
    if (!in.atEnd()) return std::nullopt;

    std::string out = negative ? "-" : "";
    if (feet) out += *feet + "'";
    if (inches) {
        out += inches->whole;
        if (inches->fraction) {
            out += "-" + inches->fraction->numerator + "/" + inches->fraction->denominator;
        }
        // Feet and inches together always carry the inch mark, as the
        // display writes them.
        if (inchMark || feet) out += "\"";
    }
    return out;
}

// A metric length ("2400 mm", "- 2.4 m"). The minus may stand apart from
// the number, as it may before feet.
MetricReading readMetricPaste(std::string_view plain) {
    if (!plain.starts_with('-')) return readMetric(plain);
    const std::size_t number = std::min(plain.find_first_not_of(' ', 1), plain.size());
    return readMetric("-" + std::string(plain.substr(number)));
}

// A metric length in the display's own form: its inches as a plain decimal
// to five places, at most 0.000127 mm from the pasted length.
std::optional<std::string> metricDisplayText(const MetricReading& metric) {
    if (metric.kind != MetricText::Length || !std::isfinite(metric.inches)) return std::nullopt;
    return plainText(roundEven(metric.inches, 5));
}

// Readable: the parser turns it into a finite number of inches.
bool isReadable(const std::string& text) {
    const auto inches = TryConvertInput(text);
    return inches && std::isfinite(*inches);
}

}  // namespace

std::optional<std::string> normalisePaste(std::string_view clipboardUtf8) {
    if (clipboardUtf8.size() > kMaxClipboardBytes) return std::nullopt;
    const auto decoded = decodeUtf8(clipboardUtf8);
    if (!decoded) return std::nullopt;

    std::size_t first = 0;
    std::size_t last = decoded->size();
    while (first < last && isTrimmable((*decoded)[first])) ++first;
    while (last > first && isTrimmable((*decoded)[last - 1])) --last;
    if (last == first) return std::nullopt;

    const auto plain = toAscii(decoded->substr(first, last - first));
    if (!plain) return std::nullopt;
    const MetricReading metric = readMetricPaste(*plain);
    auto text = metric.kind == MetricText::NoUnit ? rewrite(*plain) : metricDisplayText(metric);
    if (!text || !isReadable(*text)) return std::nullopt;
    // Past the limit only the display's own form is taken: it is what Ctrl+C
    // copied from a display of many clicked digits, and nothing in it was
    // guessed. Anything else that long, or that would grow past the limit
    // (an added inch mark), is refused.
    const bool tooLong = last - first > kMaxPasteCharacters || text->size() > kMaxPasteCharacters;
    if (tooLong && *text != *plain) return std::nullopt;
    return text;
}

}  // namespace plumbrule
