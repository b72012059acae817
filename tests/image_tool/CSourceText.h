#pragma once
// The fixed pieces of a C image, written out by hand with "\n" line ends (CrLf() converts).
#include <string>

namespace vokatest {

// CR LF line ends for text written with "\n".
std::string CrLf(const std::string& text);

// The header, already with CR LF line ends; dateText is the ctime() text whose own LF is
// left alone, so the padding after it stands on a line of its own.
std::string CHeader(const std::string& dateText);

// From the FAT's opening comment to the "{" of the record table.
inline const std::string kFatStart =
    "/**************************************************\n"
    " * Start Of VOKA FAT.                             \n"
    " **************************************************/\n"
    "typedef struct                \n"
    "{                             \n"
    "\tunsigned char Flags;        \n"
    "\tROM unsigned char* Address; \n"
    "\tunsigned char Name[12];     \n"
    "} FAT_TABLE_ENTRY;            \n"
    "\n"
    "ROM FAT_TABLE_ENTRY VOKA_Start[] = \n"
    "{\n";

// The end record of the table.
inline const std::string kEndRecord =
    "\t{ 0x04, 0xffffff, 'E', 'N', 'D', ' ', 'O', 'F', ' ', 'F', 'A', 'T', ' ', ' ' },\n";

// From the empty line after the records to the last line of the file.
inline const std::string kFatEnd =
    "\n"
    "};\n"
    "/**************************************************\n"
    " * End Of VOKA FAT.                               \n"
    " **************************************************/\n"
    "\n"
    "/**************************************************\n"
    " * End of VOKA                                    \n"
    " *************************************************/\n";

// The last line of an array with data, and the whole end of an array without.
inline const std::string kArrayEnd = "\t0x04, 0xff, 0xff, 0xff  };\n";
inline const std::string kEmptyArrayEnd = "\t0x04, 0xff, 0xff, 0xff };\n";

// One page's array: its comment block, declaration, the given data lines and the end.
std::string Array(const std::string& label, const std::string& shownName,
                  const std::string& dataLines);

}  // namespace vokatest
