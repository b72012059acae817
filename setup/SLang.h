#pragma once
// The installer's texts: the built-in English text (the "English" resource of type "TEXT")
// and at most one language file chosen for the user's language. Process-wide state, set at
// start-up and read by every window.
#include <string>

class TScript;

// Parses the built-in English text and notes the user's language and the first character
// set. Call once at start-up, before the setup script is read.
void LoadBuiltInLanguage();

// The text for section and key (see LookupLangText for the fallback rules).
std::string LangText(const std::string& section, const std::string& key,
                     const std::string& fallback = "");

// The character set the windows draw their texts in.
int LangCharset();

// Chooses and loads the language file the script asks for from the LANG folder beside the
// program (or the program's folder itself); trace lines go to the debug channel.
void LoadLanguage(const TScript& script);
// The same with the program's folder given.
void LoadLanguageFrom(const TScript& script, const std::string& programDir);

// The primary language of the user's locale noted at start-up (9 for English).
int UserLangId();
