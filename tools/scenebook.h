// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/scene.h"

#include <vector>

// The twelve questions of the sample folder.
std::vector<Scene> sampleScenes();
// The four simpler questions of the memory-mode sample folder.
std::vector<Scene> memoryScenes();
