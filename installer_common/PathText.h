#pragma once
// Path and command-line text rules shared by the installers. Pure: they only look at the text.
#include <string>

// Drops one trailing backslash from a path of three or more characters; then, with
// `withSlash`, appends one. "C:\" -> "C:" (or "C:\" with the flag); "\" stays as it is.
std::string NormalizeDir(const std::string& path, bool withSlash);
// Keeps the first character and reduces every run of backslashes after it to one, so the
// leading "\\" of a network path survives.
std::string CollapseBackslashes(const std::string& path);
// True for "", ".", "\", "C:", "C:\" (and the same with blanks around): what an unset
// directory setting expands to, and never a tree that an installer may delete.
bool IsRootOrEmptyDir(const std::string& directory);
// Directory part of a path without its trailing backslash; "" for a bare name. A root keeps
// its separator: "C:\x" -> "C:\", "\x" -> "\", "C:x" -> "C:".
std::string FileDirOf(const std::string& path);
// The part after the last backslash or colon.
std::string FileNameOf(const std::string& path);

// The command line without the program's path and the quotes around it, trimmed.
std::string CommandTailOf(const std::string& commandLine, const std::string& exePath);
// The value of `switchText` in a command tail: "" when the switch does not occur, "TRUE" when
// nothing follows it, the text inside quotes when a quote follows, otherwise the text up to
// the next space or "/". Ignores case when looking for the switch.
std::string SwitchValueIn(const std::string& tail, const std::string& switchText);
