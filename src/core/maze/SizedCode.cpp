// Codes of mazes of any size.
#include "core/maze/SizedCode.h"

#include <cctype>

#include "core/maze/MazeCode.h"

namespace tolvane {
namespace {

constexpr int kCodeChars = 10;   // nine of the seed and the check character
constexpr std::size_t kLongest = 20;
constexpr std::string_view kTimes = "\xC3\x97";  // "×" in UTF-8

// The size's characters weighted by their place, modulo the prime 31: a changed character
// (a digit or the "x") or two neighbours swapped always change it, and it changes the check
// character it is folded into.
int SizeCheck(const std::string& size)
{
    constexpr int kPrime = 31;
    int sum = 0;
    int weight = 1;
    for (const char c : size) {
        const int value = c == 'x' ? 11 : c - '0' + 1;  // a 0 counts too
        sum = (sum + value * weight++) % kPrime;
    }
    return sum;
}

// The text with the separators taken out and "×" read as "x".
std::string Squeezed(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kTimes.size()) == kTimes) {
            out += 'x';
            i += kTimes.size() - 1;
        } else if (text[i] != ' ' && text[i] != '-') {
            out += text[i];
        }
    }
    return out;
}

std::optional<int> Side(std::string_view digits)
{
    if (digits.empty() || digits.size() > 4 || digits.front() == '0')
        return std::nullopt;
    int side = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        side = side * 10 + (c - '0');
    }
    return side;
}

}  // namespace

std::string SizeText(MazeSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

std::optional<MazeSize> ParseSize(std::string_view text)
{
    const std::string squeezed = Squeezed(text);
    const auto x = squeezed.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    const auto width = Side(std::string_view(squeezed).substr(0, x));
    const auto height = Side(std::string_view(squeezed).substr(x + 1));
    if (!width || !height)
        return std::nullopt;
    const MazeSize size{*width, *height};
    return size.Valid() ? std::optional(size) : std::nullopt;
}

std::string FormatSizedCode(SizedSeed maze)
{
    std::string code = FormatMazeCode(maze.seed);
    if (maze.size == kClassicSize)
        return code;
    const std::string size = SizeText(maze.size);
    code.back() = CodeCharacter(CodeDigit(code.back()) ^ SizeCheck(size));
    std::string sized = size + "-" + code;
    if (sized.size() > kLongest)
        sized.erase(sized.find('-', size.size() + 1), 1);
    return sized;
}

SizedReading ReadSizedCode(std::string_view text)
{
    const std::string clean = CleanCodeText(text);
    if (const auto maze = ParseSizedCode(clean))
        return {maze, {.seed = maze->seed}};
    return {std::nullopt, ParseMazeCode(clean)};
}

std::optional<SizedSeed> ParseSizedCode(std::string_view text)
{
    std::string squeezed = Squeezed(text);
    if (squeezed.size() == kCodeChars) {
        const auto seed = ParseMazeCode(squeezed).seed;
        return seed ? std::optional(SizedSeed{*seed, kClassicSize}) : std::nullopt;
    }
    if (squeezed.size() <= kCodeChars)
        return std::nullopt;
    const std::string sizePart = squeezed.substr(0, squeezed.size() - kCodeChars);
    std::string code = squeezed.substr(sizePart.size());
    const auto size = ParseSize(sizePart);
    // The classic size written out is not a code of its own: it has one code, without a size.
    if (!size || *size == kClassicSize)
        return std::nullopt;
    const int check = CodeDigit(code.back());
    if (check < 0)
        return std::nullopt;
    code.back() = CodeCharacter(check ^ SizeCheck(SizeText(*size)));
    const auto seed = ParseMazeCode(code).seed;
    return seed ? std::optional(SizedSeed{*seed, *size}) : std::nullopt;
}

}  // namespace tolvane
