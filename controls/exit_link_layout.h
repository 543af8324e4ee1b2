#pragma once
#include <windows.h>

// Where the exit link puts its text and its bullet, without any window. The
// text is right-aligned: it ends at the control's right edge, or, when there
// is a bullet, at the left edge of the strip reserved for it.

constexpr int kExitBulletSize = 11;
// The strip at the right edge that a bullet takes from the text.
constexpr int kExitBulletStrip = 15;
// Between the text's right edge and the bullet's left edge.
constexpr int kExitBulletGap = 2;

// The rectangle the text is drawn into (right-aligned, vertically centred).
RECT ExitLinkTextArea(const RECT& control, bool hasBullet);

// The bullet's top-left corner: right of the text area, vertically centred
// in it (rounded toward zero).
POINT ExitLinkBulletOrigin(const RECT& textArea);

// The box the drawn text occupies, given the text's measured size: its right
// edge is the text area's, and it is centred vertically when the control is
// taller than the text, else it starts at the control's top. This box alone
// is the link's clickable part.
RECT ExitLinkTextBox(const RECT& control, SIZE textSize, bool hasBullet);
