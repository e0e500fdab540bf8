// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QList>

namespace plumbrule {

// ImageList2, the pictures of the memory menu, 16 x 16 (drawn sharp at twice
// the size for high-density screens):
//   0 "delete", beside "Clear": a red cross over a bin;
//   1 beside every stored text: a small yellow note with written lines.
QList<QIcon> MemoryPictures();

}  // namespace plumbrule
