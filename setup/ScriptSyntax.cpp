#include "ScriptSyntax.h"

#include "MsgBoxText.h"
#include "Utils.h"

namespace {

// Joined text of the already kept part and the unread rest, searched without copying.
// Only the last kept character can form a token with the rest: the kept part itself holds
// neither "/*" nor "*/".
size_t FindToken(const std::string& kept, const std::string& rest, size_t from, const char* token) {
    if (!kept.empty() && from < rest.size() && kept.back() == token[0] && rest[from] == token[1]) {
        return kept.size() - 1;
    }
    size_t found = rest.find(token, from);
    return found == std::string::npos ? std::string::npos : kept.size() + (found - from);
}

}  // namespace

std::string RemoveBlockComments(const std::string& text) {
    // Same result as deleting the first comment and searching again from the start, in one
    // pass: nothing before a deleted comment can change except at the seam.
    std::string kept;
    size_t from = 0;
    for (;;) {
        size_t open = FindToken(kept, text, from, "/*");
        size_t close = FindToken(kept, text, from, "*/");
        if (open == std::string::npos || close == std::string::npos || open >= close) break;
        // close lies in the unread rest: the kept part cannot end a comment it never opened.
        const size_t closeInText = from + (close - kept.size());
        if (open < kept.size()) {
            kept.pop_back();
        } else {
            kept.append(text, from, open - kept.size());
        }
        from = closeInText + 2;
    }
    kept.append(text, from, std::string::npos);
    return kept;
}

std::string CutLineComment(const std::string& line) {
    std::string disguised = line;
    size_t at = disguised.find("://");
    while (at != std::string::npos) {
        disguised[at + 1] = ' ';
        at = disguised.find("://", at + 3);
    }
    size_t comment = disguised.find("//");
    return comment == std::string::npos ? line : line.substr(0, comment);
}

std::vector<std::string> PreprocessScript(const std::string& fileText) {
    // Comments are removed from the text as read: joining its lines with CR LF first would
    // differ only in empty lines, which are dropped anyway.
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(RemoveBlockComments(fileText))) {
        std::string kept = TrimText(CutLineComment(line));
        if (!kept.empty()) lines.push_back(std::move(kept));
    }
    return lines;
}

ScriptLine ParseScriptLine(const std::string& line) {
    ScriptLine parsed;
    parsed.text = TrimText(line);
    size_t semicolon = parsed.text.rfind(';');
    if (semicolon != std::string::npos) parsed.text.erase(semicolon);

    std::string name = parsed.text;
    size_t open = parsed.text.find('(');
    if (open != std::string::npos && open >= 1) {
        name = parsed.text.substr(0, open);
        size_t close = parsed.text.rfind(')');
        if (close != std::string::npos && close > open) {
            parsed.argument = Unquote(parsed.text.substr(open + 1, close - open - 1));
        }
    }
    parsed.name = UpperText(TrimText(name));
    return parsed;
}

std::string Unquote(const std::string& argument) {
    const size_t size = argument.size();
    if (size < 2 || argument.front() != '"' || argument.back() != '"') return argument;
    std::string result;
    result.reserve(size - 2);
    for (size_t at = 1; at + 1 < size; ++at) {
        if (argument[at] != '"') {
            result += argument[at];
        } else if (at + 2 < size && argument[at + 1] == '"') {
            result += '"';
            ++at;
        }
    }
    return result;
}
