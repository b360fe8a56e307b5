#pragma once

// Readability of text on a coloured background, by the contrast ratio of the
// Web Content Accessibility Guidelines: (L1 + 0.05) / (L2 + 0.05) of the two
// relative luminances, from 1 (the same colour) to 21 (black on white); 4.5 is
// the least for ordinary text. Colours are 0xRRGGBB.

double ContrastRatio(int rgb1, int rgb2);

// Of two text colours, the one that contrasts more with the background.
int BetterContrast(int background, int first, int second);

// Black or white text, whichever reads better on the background.
int ContrastingTextColour(int background);
