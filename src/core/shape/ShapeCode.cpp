// Shape codes.
#include "core/shape/ShapeCode.h"

#include <cctype>

#include "core/maze/MazeCode.h"
#include "core/maze/SizedCode.h"

namespace tolvane {
namespace {

constexpr std::size_t kCodeChars = 10;  // nine of the seed and the check character

// The prefix's characters weighted by their place, modulo the prime 31: any one changed
// character, and any two neighbours swapped, change it (no two values of one kind of
// character, digits or capitals, differ by 31).
int PrefixCheck(std::string_view prefix)
{
    constexpr int kPrime = 31;
    int sum = 0;
    int weight = 1;
    for (const char c : prefix) {
        const int value = c == 'x' ? 11 : std::isdigit(static_cast<unsigned char>(c)) ? c - '0' + 1 : c - 'A' + 12;
        sum = (sum + value * weight) % kPrime;
        weight = weight % (kPrime - 1) + 1;
    }
    return sum;
}

char LetterOf(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Circle:
        return 'C';
    case ShapeKind::Hexagon:
    case ShapeKind::HexagonRectangle:
        return 'H';
    case ShapeKind::Triangle:
    case ShapeKind::TriangleRectangle:
        return 'T';
    case ShapeKind::Outline:
        return 'W';
    case ShapeKind::Rectangle:
        break;
    }
    return 0;
}

std::string Prefix(const ShapeSpec& spec)
{
    std::string prefix(1, LetterOf(spec.kind));
    switch (spec.kind) {
    case ShapeKind::HexagonRectangle:
    case ShapeKind::TriangleRectangle:
        return prefix + SizeText(spec.size);
    case ShapeKind::Outline:
        return prefix + std::to_string(spec.size.width) + spec.word;
    default:
        return prefix + std::to_string(spec.size.width);
    }
}

bool WordOk(const std::string& word)
{
    if (word.empty())
        return false;
    for (const char c : word)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

// The cleaned text in capitals, without spaces and hyphens, "×" read as "X".
std::string Squeezed(std::string_view text)
{
    std::string out;
    const std::string clean = CleanCodeText(text);
    constexpr std::string_view kTimes = "\xC3\x97";
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (std::string_view(clean).substr(i, kTimes.size()) == kTimes) {
            out += 'X';
            i += kTimes.size() - 1;
        } else if (clean[i] != ' ' && clean[i] != '-') {
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(clean[i])));
        }
    }
    return out;
}

// The spec a squeezed prefix names. Numbers never start with 0 and nothing may follow the
// size, so a maze has exactly one code.
std::optional<ShapeSpec> SpecOf(std::string_view prefix)
{
    ShapeSpec spec;
    switch (prefix.front()) {
    case 'C':
        spec.kind = ShapeKind::Circle;
        break;
    case 'H':
        spec.kind = ShapeKind::Hexagon;
        break;
    case 'T':
        spec.kind = ShapeKind::Triangle;
        break;
    case 'W':
        spec.kind = ShapeKind::Outline;
        break;
    default:
        return std::nullopt;
    }
    std::size_t i = 1;
    const auto number = [&]() -> std::optional<int> {
        const std::size_t begin = i;
        int value = 0;
        while (i < prefix.size() && std::isdigit(static_cast<unsigned char>(prefix[i])) && i - begin < 5)
            value = value * 10 + (prefix[i++] - '0');
        if (i == begin || prefix[begin] == '0')
            return std::nullopt;
        return value;
    };
    const auto first = number();
    if (!first)
        return std::nullopt;
    spec.size = {*first, *first};
    if (spec.kind == ShapeKind::Outline) {
        spec.word = std::string(prefix.substr(i));
        return WordOk(spec.word) ? std::optional(spec) : std::nullopt;
    }
    if (i < prefix.size() && prefix[i] == 'X' && spec.kind != ShapeKind::Circle) {
        ++i;
        const auto second = number();
        if (!second)
            return std::nullopt;
        spec.kind = spec.kind == ShapeKind::Hexagon ? ShapeKind::HexagonRectangle : ShapeKind::TriangleRectangle;
        spec.size.height = *second;
    }
    if (i != prefix.size())
        return std::nullopt;
    return spec;
}

}  // namespace

std::string FormatShapeCode(const ShapeSeed& maze)
{
    if (maze.spec.kind == ShapeKind::Rectangle || !InRange(maze.spec) ||
        (maze.spec.kind == ShapeKind::Outline && !WordOk(maze.spec.word)))
        return {};
    const std::string prefix = Prefix(maze.spec);
    std::string code = FormatMazeCode(maze.seed);
    code.back() = CodeCharacter(CodeDigit(code.back()) ^ PrefixCheck(prefix));
    return prefix + "-" + code;
}

bool LooksLikeShapeCode(std::string_view text)
{
    const std::string s = Squeezed(text);
    return s.size() > kCodeChars + 1 &&
           (s[0] == 'C' || s[0] == 'H' || s[0] == 'T' || s[0] == 'W') && std::isdigit(static_cast<unsigned char>(s[1]));
}

std::optional<ShapeSeed> ParseShapeCode(std::string_view text)
{
    if (!LooksLikeShapeCode(text))
        return std::nullopt;
    const std::string s = Squeezed(text);
    const std::string_view prefixText = std::string_view(s).substr(0, s.size() - kCodeChars);
    const auto spec = SpecOf(prefixText);
    if (!spec || !InRange(*spec))
        return std::nullopt;
    const std::string prefix = Prefix(*spec);
    std::string code = s.substr(prefixText.size());
    const int check = CodeDigit(code.back());
    if (check < 0)
        return std::nullopt;
    code.back() = CodeCharacter(check ^ PrefixCheck(prefix));
    const auto seed = ParseMazeCode(code).seed;
    return seed ? std::optional(ShapeSeed{*seed, *spec}) : std::nullopt;
}

}  // namespace tolvane
