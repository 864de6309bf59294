// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Teaches assistive technology what our controls and child windows are:
// labels and picture boxes named by what they show and pressable when the
// player can click them, child windows named by their caption and active
// while they are the frame's active child. Call once the application exists.
void InstallAccessibility();

} // namespace platform
