#pragma once
// Delimited lists and the string helpers every installer unit relies on. Pure functions over
// 8-bit text: positions are one-based with 0 for "not found", and "ignoring case" folds only the
// ASCII letters a-z to A-Z. No function here reports errors; each returns its documented
// fallback instead. All results are new strings owned by the caller.
#include <string>

// --- Delimited list -------------------------------------------------------------------------
// A list is a string whose first character is its delimiter: "|a|b|c|" holds a, b and c;
// "||" holds one empty field; "" holds no field. Text after the last delimiter is no field.

// Occurrences of the first character in the rest of the string; 0 for "".
int DelimCount(const std::string& list);
// Field `index` (zero-based); "" when the index is out of range or the list is empty.
std::string DelimItem(const std::string& list, int index);
// Sets field `index` to `value`, adding empty fields up to it. An empty list starts as "|".
// The list is rebuilt from its whole fields, so an unterminated tail is dropped. A negative
// index leaves the list as it is.
void DelimSetItem(std::string& list, int index, const std::string& value);
// Index of the first field equal to `name` ignoring case, else -1. The list and the name are
// trimmed first (the fields are not); -1 when either is then empty.
int DelimIndexOf(const std::string& list, const std::string& name);

// --- String helpers -------------------------------------------------------------------------

// Text before the first occurrence of `separator`; "" when it does not occur.
std::string TextBefore(const std::string& s, const std::string& separator);
// Text after the first character of the first occurrence of `separator`; the whole of `s`
// when it does not occur or is empty. Meant for one-character separators.
std::string TextAfter(const std::string& s, const std::string& separator);
std::string ReverseText(const std::string& s);
// One-based position of the last occurrence of `sub` in `s`; 0 if none or `sub` is empty.
int LastPos(const std::string& sub, const std::string& s);
bool EndsWithText(const std::string& s, const std::string& suffix);
bool EqualText(const std::string& a, const std::string& b);
// One-based position of the first occurrence of `sub` in `s` ignoring case; 0 if none or
// `sub` is empty.
int PosText(const std::string& sub, const std::string& s);
// `n` spaces; "" for n <= 0.
std::string Spaces(int n);
// `s` preceded by "0"s up to `width` characters.
std::string PadZeros(const std::string& s, int width);
// Replaces every occurrence of `oldText` (case-sensitive) by `newText`. The scan resumes after
// each inserted text, so a replacement that contains the searched text cannot loop. An empty
// `oldText` leaves `s` unchanged.
std::string ReplaceAll(const std::string& s, const std::string& oldText,
                       const std::string& newText);
// As ReplaceAll, but the search ignores case; the untouched parts keep their case.
std::string ReplaceAllText(const std::string& s, const std::string& oldText,
                           const std::string& newText);
// "TRUE" or "FALSE".
std::string BoolText(bool b);
// '1' or '0'.
char BoolDigit(bool b);
// "\n" -> CR LF, "\t" -> tab, "<p>" and "<P>" -> CR LF, in that order.
std::string ExpandEscapes(const std::string& s);
int MaxOf(int a, int b);

// --- Small shared pieces --------------------------------------------------------------------

// ASCII-only upper case.
std::string UpperText(const std::string& s);
// Without leading and trailing blanks and control characters (bytes up to the space).
std::string TrimText(const std::string& s);
