// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The keyboard reaches only controls the person at the screen can see.
//
// Below `window`, a control that is hidden, or that a windowed sibling (of it
// or of one of its parents) stacked above it covers whole, takes no focus:
// Tab, the arrow keys between buttons and clicks pass it by. When the control
// holding the focus is hidden or covered, the focus goes to the window itself,
// never on to the next control, so no key reaches what cannot be seen.
// Controls shown or uncovered again take the focus as they were made to.
// Call once the window's controls exist; it follows every later change.
void keepFocusOnSeenControls(QWidget *window);

// Whether `control` can be seen in its window once the window is shown: it and
// every parent below the window are not hidden and not covered whole.
bool isSeenInWindow(const QWidget *control);
