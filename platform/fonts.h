#pragma once

namespace Platform {
// Maps the Japanese face names the window asks for to the installed IPA
// fonts. Call before the application object is made.
void substituteFaces();
} // namespace Platform
