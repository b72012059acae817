#pragma once
// The module's answer to "sv": "SV" + major "." minor "." build "-LNK" + anything + CR LF.
#include <string>

namespace korvan {

// The text a version check examines: the reply from its third character on. A text that
// begins "SW" gets "U" for its "S" (the module family quirk the log shows as "UW").
std::string VersionText(const std::string& reply);

// True when the text starts with a decimal digit (otherwise the request is resent).
bool StartsWithDigit(const std::string& text);

// major * 10000 + minor * 100 + build from a version text, each part accumulated digit by
// digit without checking the characters; 0 when a separator is missing, the three letters
// after "-" are not "LNK", or the number is not positive (garbage never passes as a version).
int VersionNumber(const std::string& text);

// Highest version this tool supports is 1.0.99.
constexpr int kFirstUnsupportedVersion = 10100;

}  // namespace korvan
