#pragma once
// Version texts that order correctly as text, and web-address recognition.
#include <string>

// Every "."-separated field left-padded with zeros to width: ("1.0.9.4", 5) gives
// "00001.00000.00009.00004"; "" gives a single padded field.
std::string PadVersion(const std::string& version, int width);
// True when the text begins, ignoring case, with "http:", "ftp:", "www." or "mailto:".
bool IsUrl(const std::string& text);
