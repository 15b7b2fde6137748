// Maze codes.
#include "core/code/MazeCode.h"

#include <array>

namespace tolvane {
namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kSeedChars = kSeedBits / 5;
constexpr int kGroup = 5;

// Multiplication in GF(32) modulo x^5 + x^2 + 1. Weighting the i-th character by a power of x
// makes the check sum change whenever one character changes or two neighbours trade places.
int Multiply(int a, int b)
{
    int product = 0;
    for (; b != 0; b >>= 1) {
        if (b & 1)
            product ^= a;
        a <<= 1;
        if (a & 32)
            a ^= 0b100101;
    }
    return product;
}

int CheckDigit(const std::array<int, kSeedChars>& digits)
{
    int sum = 0;
    int weight = 1;
    for (const int digit : digits) {
        weight = Multiply(weight, 2);
        sum ^= Multiply(digit, weight);
    }
    return sum;
}

int DigitOf(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O')
        c = '0';
    if (c == 'I' || c == 'L')
        c = '1';
    const auto at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Full-width forms of the printable ASCII characters, as a Japanese input method types them.
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kNoBreakSpace = 0x00A0;

// What word processors and input methods put where a hyphen was meant: the hyphens and dashes of
// U+2010 to U+2015, the minus sign, the small hyphen-minus and the katakana long-vowel mark.
bool IsDash(char32_t c) { return (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0xFE63 || c == 0x30FC; }

// The bytes of the UTF-8 character that starts at `at`; a stray byte counts as one character.
std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::size_t end = at + 1;
    while (end < text.size() && end - at < length && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

char32_t Decode(std::string_view c)
{
    if (c.size() == 1)
        return static_cast<unsigned char>(c[0]);
    char32_t value = static_cast<unsigned char>(c[0]) & (0x3F >> (c.size() - 1));
    for (std::size_t i = 1; i < c.size(); ++i)
        value = value << 6 | (static_cast<unsigned char>(c[i]) & 0x3F);
    return value;
}

}  // namespace

std::string FormatMazeCode(std::uint64_t seed)
{
    std::array<int, kSeedChars> digits{};
    seed &= kSeedMask;
    for (int i = kSeedChars - 1; i >= 0; --i, seed >>= 5)
        digits[i] = static_cast<int>(seed & 31);
    std::string code;
    for (int i = 0; i < kSeedChars; ++i) {
        if (i == kGroup)
            code += '-';
        code += kAlphabet[digits[i]];
    }
    code += kAlphabet[CheckDigit(digits)];
    return code;
}

CodeReading ParseMazeCode(std::string_view text, int checkFold)
{
    std::array<int, kSeedChars> digits{};
    int count = 0;
    int check = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' || c == ' ')
            continue;
        const int digit = DigitOf(c);
        if (digit < 0) {
            CodeReading bad{.fault = CodeFault::UnknownCharacter};
            bad.character = text.substr(i, Utf8Length(text, i));
            return bad;
        }
        if (count < kSeedChars)
            digits[count] = digit;
        else
            check = digit;
        ++count;
    }
    if (count != kSeedChars + 1)
        return {.fault = CodeFault::WrongLength, .length = count};
    if ((check ^ checkFold) != CheckDigit(digits))
        return {.fault = CodeFault::CheckFails};
    std::uint64_t seed = 0;
    for (const int digit : digits)
        seed = seed << 5 | static_cast<std::uint64_t>(digit);
    return {.seed = seed};
}

std::string CleanCodeText(std::string_view text)
{
    std::string clean;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        const char32_t c = Decode(text.substr(i, length));
        if (c >= kFullWidthFirst && c <= kFullWidthLast)
            clean += static_cast<char>(c - kFullWidthOffset);
        else if (c == kIdeographicSpace || c == kNoBreakSpace || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f')
            clean += ' ';
        else if (IsDash(c))
            clean += '-';
        else
            clean.append(text.substr(i, length));
        i += length;
    }
    const auto first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

}  // namespace tolvane

namespace tolvane {

char CodeCharacter(int digit) { return kAlphabet.at(static_cast<std::size_t>(digit)); }

int CodeDigit(char c) { return DigitOf(c); }

std::string SqueezedCode(std::string_view text)
{
    constexpr std::string_view kTimes = "\xC3\x97";  // "×" in UTF-8
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kTimes.size()) == kTimes) {
            out += 'X';
            i += kTimes.size() - 1;
        } else if (text[i] != ' ' && text[i] != '-') {
            out += text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        }
    }
    return out;
}

}  // namespace tolvane
