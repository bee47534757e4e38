// SPDX-License-Identifier: GPL-3.0-or-later
// A category's figures as one picture for review: each silhouette black on silver, drawn as the
// selection dialog draws its thumbnails (a 120 x 95 cell, the number in the top 15 pixels, the
// figure at one pixel per grid unit at its stored place), enlarged twice, with both names below.
// Needs a QGuiApplication (fonts).
#pragma once

#include "tools/patterns/library.h"

#include <QImage>

namespace tangram::patterns {

QImage renderContactSheet(const Library& library, int category);

} // namespace tangram::patterns
