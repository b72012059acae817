#include "ImageToolCommand.h"

#include <cerrno>

#include <gtest/gtest.h>

namespace {

TEST(ImageToolCommand, PathsFromTheShortProgramFolder) {
    auto command = korvan::MakeImageToolCommand("C:\\PROGRA~1\\KORVAN");
    EXPECT_EQ(command.program, "C:\\PROGRA~1\\KORVAN\\VOKA.EXE");
    EXPECT_EQ(command.input, "C:\\PROGRA~1\\KORVAN\\TempWebPges");
    EXPECT_EQ(command.output, "C:\\PROGRA~1\\KORVAN//WebPages.bin");
}

TEST(ImageToolCommand, ArgumentsAreQuotedOnlyWhenTheyNeedIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\KORVAN\\TempWebPges", "C:\\KORVAN\\TempWebPges"},
        {"C:\\My Pages\\Korvan", "\"C:\\My Pages\\Korvan\""},
        {"C:\\My Pages\\", "\"C:\\My Pages\\\\\""},
        {"a\"b", "\"a\\\"b\""},
        {"", "\"\""},
    };
    for (const auto& [argument, quoted] : cases) {
        EXPECT_EQ(korvan::QuoteArgument(argument), quoted) << argument;
    }
}

TEST(ImageToolCommand, StartFailureTexts) {
    const std::pair<int, const char*> cases[] = {
        {ENOENT, "Path or file name not found"}, {ENOMEM, "Not enough memory"},
        {EINVAL, "Invalid argument"},            {E2BIG, "Arg list too long"},
        {ENOEXEC, "Exec format error"},          {EACCES, ""},
        {0, ""},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(korvan::ImageToolStartFailureText(error), text) << error;
    }
}

}  // namespace
