#pragma once
// Read-only rich-edit controls that look like labels, with "<B>...</B>" for bold stretches and
// a right-to-left variant for Hebrew and Arabic texts.
#include <windows.h>

#include <string>

// At most this many bold stretches are shown per text; further ones stay in normal weight.
constexpr int kMaxBoldStretches = 200;

// Clears the control, renders the text (escapes expanded, bold markup applied) and makes the
// control look like a label: parent's colour, no border, read-only, no tab stop.
void PrepareRichText(HWND edit, const std::string& text);
// Appends the text without its "<B>"/"</B>" tags (any case) and makes each stretch bold. A
// "</B>" without an opening tag makes the text before it bold.
void RenderBoldMarkup(HWND edit, const std::string& text);
// For the character sets 177 and 178 replaces the control by a right-to-left copy with the
// same place, text, font and styles; edit then names the new control. Otherwise nothing.
void MakeRightToLeftRichEdit(HWND& edit, int charset);
