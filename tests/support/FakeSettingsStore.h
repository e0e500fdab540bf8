// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"

namespace plumbrule::testing {

// Settings kept in memory; records the order of writes.
class FakeSettingsStore : public SettingsStore {
  public:
    Value ReadValue(const std::string& valueName) override {
        auto found = values.find(valueName);
        if (found == values.end()) return {};
        return {found->second, true};
    }

    void WriteValue(const std::string& valueName, const std::string& valueText) override {
        values[valueName] = valueText;
        writes.emplace_back(valueName, valueText);
    }

    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
};

}  // namespace plumbrule::testing
