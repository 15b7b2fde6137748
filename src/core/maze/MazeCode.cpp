// Maze codes.
#include "core/maze/MazeCode.h"

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

std::optional<std::uint64_t> ParseMazeCode(std::string_view text)
{
    std::array<int, kSeedChars> digits{};
    int count = 0;
    int check = -1;
    for (const char c : text) {
        if (c == '-' || c == ' ')
            continue;
        const int digit = DigitOf(c);
        if (digit < 0 || count > kSeedChars)
            return std::nullopt;
        if (count < kSeedChars)
            digits[count] = digit;
        else
            check = digit;
        ++count;
    }
    if (count != kSeedChars + 1 || check != CheckDigit(digits))
        return std::nullopt;
    std::uint64_t seed = 0;
    for (const int digit : digits)
        seed = seed << 5 | static_cast<std::uint64_t>(digit);
    return seed;
}

}  // namespace tolvane

namespace tolvane {

char CodeCharacter(int digit) { return kAlphabet.at(static_cast<std::size_t>(digit)); }

int CodeDigit(char c) { return DigitOf(c); }

}  // namespace tolvane
