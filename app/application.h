// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

namespace app {

// Sets the program's name and version; needs no application object, so the
// command line can be answered before there is a window or a display.
void NameApplication();

// Names the program, picks its look and teaches assistive technology its
// controls. Call once, right after the QApplication exists.
void SetUpApplication();

} // namespace app
