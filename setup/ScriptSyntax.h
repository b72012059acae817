#pragma once
// The syntax of Setup.txt: comments, the parts of a command line and quoted arguments.
#include <string>
#include <vector>

// The lines of a script file: block comments removed, line comments cut, every line trimmed,
// empty lines dropped.
std::vector<std::string> PreprocessScript(const std::string& fileText);

// Deletes "/*" ... "*/" spans while the first "/*" stands before the first "*/". A "*/" ahead
// of every "/*" ends removal; an unterminated "/*" stays.
std::string RemoveBlockComments(const std::string& text);

// Cuts the line at "//", except where it belongs to "://" (an address with a scheme).
std::string CutLineComment(const std::string& line);

struct ScriptLine {
    std::string text;      // the trimmed line less its ";" comment
    std::string name;      // trimmed and upper case; "" when the line holds no command
    std::string argument;  // between the first "(" and the last ")", unquoted, not trimmed
};

ScriptLine ParseScriptLine(const std::string& line);

// An argument enclosed in double quotes loses them, and every doubled quote inside becomes
// one; a lone quote inside is dropped. Anything else is returned unchanged.
std::string Unquote(const std::string& argument);
