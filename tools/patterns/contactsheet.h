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

// The given figures in the given order under `title`, numbered 1.. in that order; without
// captions the names are left out (for naming tests by a reader who must not see them).
QImage renderSheet(const std::vector<const CompiledFigure*>& figures, const QString& title,
                   bool captions);

} // namespace tangram::patterns
