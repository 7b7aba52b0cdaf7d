#pragma once
// A tiny bitmap font for the level plan: capitals, digits and a few signs, 3 x 5 dots each.
// Small letters are drawn as capitals; a character the font lacks as a "?".

const int GLYPH_WIDTH = 3;
const int GLYPH_HEIGHT = 5;

// The character's dots, row by row from the top: GLYPH_WIDTH x GLYPH_HEIGHT characters, '#'
// for a dot.
const char* glyphOf(char c);
