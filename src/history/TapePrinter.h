// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

class QPrinter;

namespace plumbrule {

// Prints the whole tape on `printer` in a fixed-width font, its lines wrapped
// to the page's width (PrintPages), each page headed by the program's name,
// `date` and the page number. False when the printer could not be used.
bool PrintTape(std::string_view tape, QPrinter& printer, const QString& date);

}  // namespace plumbrule
