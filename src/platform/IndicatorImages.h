// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// The pictures of the operator indicator (ImageList1): 20 x 20 pictures
// numbered from 1: 1 plus sign, 2 minus sign, 3 multiplication cross,
// 4 division sign, 5 blank. Drawn here, on first use.
namespace plumbrule {

inline constexpr int indicatorImageSize = 20;

// IndicatorImage(1) -> the plus sign; any number outside 1..4 gives the blank picture.
// The picture is 20 x 20 logical pixels, drawn with devicePixelRatio device
// pixels to each, so it stays sharp at 150 % and 200 % (a 20 x 20 bitmap
// would be blown up and blurred).
QPixmap IndicatorImage(int number, qreal devicePixelRatio = 1.0);

}  // namespace plumbrule
