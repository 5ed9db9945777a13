#pragma once

#include "author/outcome.h"

#include <QStringList>

namespace Author {

// The short usage text printed with a usage error.
QString usageText();

// Runs the tool on its arguments (without the program name).
Outcome runAuthor(const QStringList &arguments);

} // namespace Author
