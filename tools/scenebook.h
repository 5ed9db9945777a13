#pragma once

#include "tools/scene.h"

#include <vector>

// The twelve questions of the sample folder.
std::vector<Scene> sampleScenes();
// The four simpler questions of the memory-mode sample folder.
std::vector<Scene> memoryScenes();
