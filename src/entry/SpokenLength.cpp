// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/SpokenLength.h"

namespace plumbrule {

namespace {

// The inches of a length: whole inches, and a fraction after a dash.
struct InchWords {
    std::string words;
    bool singular = false;  // "1 inch", "1/2 inch"
    bool complete = true;   // a fraction being typed takes no unit yet
    bool zero = false;      // exactly "0"
};

InchWords speakInches(std::string_view inches) {
    const std::size_t dash = inches.find('-');
    if (dash == std::string_view::npos) {
        return {std::string(inches), inches == "1", true, inches == "0"};
    }
    const std::string_view whole = inches.substr(0, dash);
    const std::string_view fraction = inches.substr(dash + 1);
    const std::size_t bar = fraction.find('/');
    const bool complete = bar != std::string_view::npos && bar > 0 && bar + 1 < fraction.size();
    if (complete && whole == "0") return {std::string(fraction), true, true, false};
    std::string words(whole);
    words += " and";
    if (!fraction.empty()) {
        words += " ";
        words += fraction;
    }
    return {words, false, complete, false};
}

}  // namespace

std::string spokenLength(std::string_view displayText) {
    std::string_view rest = displayText;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative) rest.remove_prefix(1);

    std::string feetWords;
    const std::size_t feetMark = rest.find('\'');
    if (feetMark != std::string_view::npos) {
        const std::string_view feet = rest.substr(0, feetMark);
        feetWords = std::string(feet) + (feet == "1" ? " foot" : " feet");
        if (feet == "0") feetWords.clear();
        rest.remove_prefix(feetMark + 1);
    }

    bool inchMark = false;
    if (!rest.empty() && rest.back() == '"') {
        inchMark = true;
        rest.remove_suffix(1);
    }

    std::string inchWordsText;
    if (!rest.empty()) {
        const InchWords inches = speakInches(rest);
        const bool withUnit = (inchMark || feetMark != std::string_view::npos) && inches.complete;
        // "5'0\"" says "5 feet"; the zero inches add nothing.
        if (!(inches.zero && !feetWords.empty())) {
            inchWordsText = inches.words;
            if (withUnit) inchWordsText += inches.singular ? " inch" : " inches";
        }
    } else if (inchMark) {
        inchWordsText = "inches";
    }

    std::string spoken = feetWords;
    if (!inchWordsText.empty()) {
        if (!spoken.empty()) spoken += " ";
        spoken += inchWordsText;
    }
    if (spoken.empty() && feetMark != std::string_view::npos) {
        spoken = rest.empty() && !inchMark ? "0 feet" : "0 inches";  // "0'", "0'0\""
    }
    if (negative) spoken = spoken.empty() ? "minus" : "minus " + spoken;
    return spoken;
}

}  // namespace plumbrule
