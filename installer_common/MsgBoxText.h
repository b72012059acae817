#pragma once
// The bodies of the installer's message boxes. Callers write line breaks as the escapes "\n"
// and "<p>"; these turn them into real ones and end every line in 20 spaces, which keeps the
// boxes wide. Pure, so both families can be checked without a window.
#include <string>
#include <vector>

// Body of a box of the application family (ErrorBox, AttentionBox, ConfirmBox, ...).
std::string AppBoxBody(const std::string& text);
// Body of a box of the top-level family (TopMessageBox, TopErrorBox).
std::string TopBoxBody(const std::string& text);
// The first step of TopBoxBody alone: "\n" appended, every line break (escape or CR LF) made a
// CR LF after 20 spaces. Other escapes stay as they are.
std::string TopBoxLines(const std::string& text);
// Splits at CR LF, LF or CR; a line break at the very end opens no further line.
std::vector<std::string> SplitLines(const std::string& text);
