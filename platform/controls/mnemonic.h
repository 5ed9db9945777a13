#pragma once

#include <QString>

// The characters a caption draws: "&x" draws x (underlined), "&&" draws "&",
// a final "&" nothing.
QString withoutMnemonics(const QString &caption);
