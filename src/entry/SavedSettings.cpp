// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/SavedSettings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/NumberText.h"

namespace plumbrule {

namespace {

// The number a saved text stands for, or none when it is not a finite number.
std::optional<double> readNumber(const std::string& text) {
    const auto value = tryNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::string trimmedLower(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    std::string result = text.substr(first, last - first + 1);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

}  // namespace

std::optional<float> ReadSingle(const std::string& text) {
    const auto value = readNumber(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*value);
}

std::string WriteSingle(float value) {
    if (value == 0) return "0";  // also negative zero
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<bool> ReadTruth(const std::string& text) {
    const std::string word = trimmedLower(text);
    if (word == "true") return true;
    if (word == "false") return false;
    const auto value = readNumber(text);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::string WriteTruth(bool value) {
    return value ? "True" : "False";
}

int ReadOutput(const std::string& text) {
    return text == "1" ? 1 : 0;
}

std::optional<int> ReadListPosition(const std::string& text, int count) {
    const auto position = tryWhole(text);
    if (!position || *position < 0 || *position >= count) return std::nullopt;
    return *position;
}

std::int32_t ReadListCount(const SettingsStore::Value& value) {
    if (!value.exists) return defaultListCount;
    const auto count = tryWhole(value.text);
    if (!count || *count < 1) return defaultListCount;
    return *count;
}

}  // namespace plumbrule
