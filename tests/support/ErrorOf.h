// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/RuntimeError.h"

namespace plumbrule::testing {

// The number of the error an action raises, 0 when it raises none.
inline int errorOf(const auto& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace plumbrule::testing
