// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kest {

// Clears the upper halves of the processor's 256-bit vector registers, where it has them.
// Graphics libraries leave them dirty (a fill, a line, the start of the application), and on
// many x86 processors every plain SSE instruction then pays a merge with them: the scene's
// thousands of sines and cosines ran ten times slower. A no-op without AVX or off x86.
void RegistresVectorielsPropres();

}  // namespace kest
