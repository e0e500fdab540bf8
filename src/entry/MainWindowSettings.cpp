// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/MainWindowSettings.h"

#include <cmath>
#include <string>
#include <vector>

#include "entry/SettingsNames.h"

namespace plumbrule {

MainWindowSettings::Values MainWindowSettings::load() const {
    const auto text = [this](const char* name) { return store_.ReadValue(name).text; };
    Values values;
    values.top = ReadSingle(text(settings::Top));
    values.left = ReadSingle(text(settings::Left));
    // A position this far out cannot be on any screen (and would not fit a pixel count).
    constexpr float farOutTwips = 1.0e9f;
    const auto farOut = [](std::optional<float> twips) {
        return twips && std::fabs(*twips) > farOutTwips;
    };
    if (farOut(values.top) || farOut(values.left)) values.top = values.left = std::nullopt;
    values.showOptions = ReadTruth(text(settings::ShowOptions)).value_or(false);
    values.output = ReadOutput(text(settings::Output));
    const auto count = [](const std::vector<std::string>& list) {
        return static_cast<int>(list.size());
    };
    values.format = ReadListPosition(text(settings::Format), count(FormatEntries(values.output)));
    values.round = ReadListPosition(text(settings::Round), count(RoundEntries(values.output)));
    values.listCount = ReadListCount(store_.ReadValue(settings::ListCount));
    return values;
}

void MainWindowSettings::save(const Values& values) {
    if (values.top) store_.WriteValue(settings::Top, WriteSingle(*values.top));
    if (values.left) store_.WriteValue(settings::Left, WriteSingle(*values.left));
    store_.WriteValue(settings::ShowOptions, WriteTruth(values.showOptions));
    store_.WriteValue(settings::Output, values.output == okDecimal ? "1" : "0");
    if (values.format) store_.WriteValue(settings::Format, std::to_string(*values.format));
    if (values.round) store_.WriteValue(settings::Round, std::to_string(*values.round));
}

}  // namespace plumbrule
