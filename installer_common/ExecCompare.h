#pragma once
// The comparisons of the conditions of execute items. Every relation puts the measured or
// stored value on the left and the given value on the right; a relation other than "=", "!=",
// ">", "<", ">=" and "<=" makes any comparison false. Pure: no Windows calls.
#include <string>

// The six events as a delimited list, and an event name as its character: '1' ("Setup Start")
// to '6' ("UnInstall End"), '0' for a name not in the list (case ignored).
extern const char kEventList[];
char EventChar(const std::string& eventName);

// Texts compared case-sensitively, character by character.
bool CompareText(const std::string& left, const std::string& relation, const std::string& right);
bool CompareNumber(long long left, const std::string& relation, long long right);
// Decimal text as a number, 0 when it is not one.
long long NumberOf(const std::string& text);
// A registry value against the given value; integer values are zero-padded to one more than
// the longer of the two lengths first, so that they order as numbers.
bool CompareRegistryText(const std::string& stored, bool storedIsInteger,
                         const std::string& relation, const std::string& given);
// Screen size against a given "WxH" (lower-case x).
bool CompareScreen(int width, int height, const std::string& relation, const std::string& given);
// Bits per pixel of a depth name ("64K (16 bit)" is 16); unknown names count as 32.
int ColorDepthOf(const std::string& depthName);
bool CompareColorDepth(int bitsPerPixel, const std::string& relation,
                       const std::string& depthName);
// Setup types compared as "1" (Typical), "2" (Compact), "3" (Custom) after upper-casing.
bool CompareSetupType(const std::string& stored, const std::string& relation,
                      const std::string& given);
// Whether ",short," occurs, case-sensitively, in "," + list + ",".
bool OsInList(const std::string& shortName, const std::string& list);
// Whether "|name|" occurs, case-sensitively, in the stored group names.
bool GroupSelected(const std::string& groupNames, const std::string& name);
// Turns the two-backslash escapes "\\n" and "\\t" of "Append Text to a File" into a line break
// and a tab; a single backslash stays as it is.
std::string ExpandAppendEscapes(const std::string& text);
