#pragma once
// The version resource of a program file, and version texts that compare as text.
#include <string>
#include <vector>

class TVersionInfo {
public:
    // Reads the version resource of the file; Valid() tells whether there was one.
    explicit TVersionInfo(const std::string& file);
    bool Valid() const { return valid_; }
    // Language and code page of every translation, as eight upper-case hex digits ("040904E4").
    const std::vector<std::string>& Translations() const { return translations_; }
    // The system's name of each translation's language, parallel to Translations().
    const std::vector<std::string>& LanguageNames() const { return languageNames_; }
    // The first non-empty string value of that name, trying the translations in order; "" when
    // the resource is invalid or no translation has it.
    std::string StringValue(const std::string& name) const;

private:
    bool valid_ = false;
    std::vector<char> data_;
    std::vector<std::string> translations_;
    std::vector<std::string> languageNames_;
};

// "" when the file has no valid version resource, else PadVersion of its "FileVersion" text.
std::string FileVersionText(const std::string& file, int width);
