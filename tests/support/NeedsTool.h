// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A check that needs what a package's build root may lack (a program, a
// font, Qt's private headers) states it: where the full suite runs
// (PLUMBRULE_FULL_SUITE, set by scripts/test.sh) its absence fails the test,
// elsewhere the test is skipped with the reason.
//   PLUMBRULE_NEEDS(!findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils)");
#pragma once

#include <gtest/gtest.h>

#if PLUMBRULE_FULL_SUITE
#define PLUMBRULE_NEEDS(available, what) \
    if (!(available)) FAIL() << "needs " << what << " (scripts/setup.sh test installs it)"
#else
#define PLUMBRULE_NEEDS(available, what) \
    if (!(available)) GTEST_SKIP() << "needs " << what
#endif
