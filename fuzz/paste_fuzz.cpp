// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary clipboard bytes to the paste normaliser: a text it accepts
// becomes a display text of at most 64 characters that the parser reads as
// a finite length and that pastes back to itself (Ctrl+C, then Ctrl+V).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Parser.h"
#include "engine/RuntimeError.h"
#include "entry/PasteNormaliser.h"

namespace {

using namespace plumbrule;

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view clipboard(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> display = normalisePaste(clipboard);
    if (!display) return 0;

    require(!display->empty() && display->size() <= kMaxPasteCharacters);
    try {
        require(std::isfinite(ConvertInput(*display, DetType(*display))));
    } catch (const RuntimeError&) {
        require(false);
    }
    require(normalisePaste(*display) == display);
    return 0;
}
