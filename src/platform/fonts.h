// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ombrix {

// The face every window asks for. Where it is missing, RegisterFaceSubstitutes() maps it to
// IPAPGothic, which has the same metrics, and then to other Japanese faces.
inline constexpr char kWindowFace[] = "ＭＳ Ｐゴシック";

void RegisterFaceSubstitutes();

QFont WindowFont(double pointSize, bool bold);

}  // namespace ombrix
