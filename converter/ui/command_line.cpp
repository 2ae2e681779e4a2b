#include "command_line.h"

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// ASCII letters only: bytes of double-byte characters are no letters here.
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

} // namespace

bool NextToken(std::string& token, std::string& rest)
{
    size_t start = 0;
    while (start < rest.size() && IsWhiteSpace(rest[start])) ++start;
    rest.erase(0, start);
    if (rest.empty()) return false;

    char first = rest[0];
    if (first == '-' || first == '/') {
        if (rest.size() > 1 && IsLetter(rest[1])) {
            token = rest.substr(0, 2);
            rest.erase(0, 2);
        } else {
            token = std::string(1, first) + ' ';
            rest.erase(0, 1);
        }
    } else if (first == '"') {
        size_t close = rest.find('"', 1);
        if (close == std::string::npos) {
            token = rest.substr(1);
            rest.clear();
        } else {
            token = rest.substr(1, close - 1);
            rest.erase(0, close + 1);
        }
    } else {
        size_t end = rest.find_first_of(" \t");
        token = rest.substr(0, end);
        rest.erase(0, end);
    }
    return true;
}
