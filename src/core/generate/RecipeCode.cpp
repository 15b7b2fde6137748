// Recipe codes.
#include "core/generate/Recipe.h"

#include "core/maze/SizedCode.h"

namespace tolvane {
namespace {

constexpr std::size_t kSeedCodeChars = 10;  // nine of the seed and the check character
constexpr std::size_t kLongest = 24;
// Written where the loops' percent stands: the route laid first (which never has loops).
constexpr char kRouteFirstLetter = 'S';
constexpr std::string_view kTimes = "\xC3\x97";  // "×" in UTF-8

// The prefix's characters as code digits weighted by their place, modulo the prime 31: a
// changed character or two neighbours swapped always change it. Z, the one digit equal to
// another modulo 31, never stands in a prefix.
int PrefixCheck(std::string_view prefix)
{
    constexpr int kPrime = 31;
    int sum = 0;
    int weight = 1;
    for (const char c : prefix)
        sum = (sum + CodeDigit(c) * weight++) % kPrime;
    return sum;
}

std::string SizeTextOf(const Recipe& r)
{
    return InfoOf(r.shape).twoSides ? SizeText(r.size) : std::to_string(r.size.width);
}

// Upper case, without spaces and hyphens, "×" as "X".
std::string Squeezed(std::string_view text)
{
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

// A whole number without a leading zero (a lone 0 is fine) from `at`, moving `at` past it.
std::optional<int> Number(std::string_view s, std::size_t& at)
{
    const std::size_t first = at;
    int value = 0;
    while (at < s.size() && s[at] >= '0' && s[at] <= '9' && at - first < 4)
        value = value * 10 + (s[at++] - '0');
    if (at == first || (s[first] == '0' && at - first > 1))
        return std::nullopt;
    return value;
}

std::optional<ShapeKind> ShapeLettered(char letter)
{
    for (const ShapeInfo& s : kShapes)
        if (s.letter == letter)
            return s.id;
    return std::nullopt;
}

// The prefix's parts, or nothing when it is not one.
std::optional<Recipe> ParsePrefix(std::string_view p)
{
    if (p.empty())
        return std::nullopt;
    Recipe r;
    const auto algorithm = AlgorithmLettered(p[0]);
    std::size_t at = 1;
    const bool routeFirst = p.size() > 1 && p[1] == kRouteFirstLetter;
    const auto braid = routeFirst ? std::optional(0) : Number(p, at);
    at += routeFirst;
    if (!algorithm || !braid || *braid > kMaxBraid || at >= p.size())
        return std::nullopt;
    const auto shape = ShapeLettered(p[at++]);
    if (!shape)
        return std::nullopt;
    r.how = {*algorithm, *braid, routeFirst};
    r.shape = *shape;
    const auto first = Number(p, at);
    if (!first)
        return std::nullopt;
    r.size = {*first, *first};
    if (InfoOf(*shape).twoSides) {
        if (at >= p.size() || p[at++] != 'X')
            return std::nullopt;
        const auto second = Number(p, at);
        if (!second)
            return std::nullopt;
        r.size.height = *second;
    }
    if (at != p.size() || !r.size.Valid() || r.Classic())
        return std::nullopt;
    return r;
}

}  // namespace

std::string FormatRecipeCode(const Recipe& r)
{
    if (r.Classic())
        return FormatSizedCode({r.seed, r.size});
    const std::string prefix = std::string(1, InfoOf(r.how.algorithm).letter) +
                               (r.how.routeFirst ? std::string(1, kRouteFirstLetter) : std::to_string(r.how.braid)) +
                               InfoOf(r.shape).letter + SizeTextOf(r);
    std::string seed = FormatMazeCode(r.seed);
    seed.back() = CodeCharacter(CodeDigit(seed.back()) ^ PrefixCheck(prefix));
    std::string code = prefix + "-" + seed;
    if (code.size() > kLongest)
        code.erase(code.rfind('-'), 1);
    if (code.size() > kLongest)
        code.erase(code.rfind('-'), 1);
    return code;
}

RecipeReading ReadRecipeCode(std::string_view text)
{
    const SizedReading today = ReadSizedCode(text);
    if (today.maze)
        return {Recipe{.size = today.maze->size, .seed = today.maze->seed}, today.reading};
    // The recipe form begins with a way's letter; anything else keeps today's reading's fault.
    const std::string squeezed = Squeezed(CleanCodeText(text));
    if (squeezed.size() <= kSeedCodeChars || !AlgorithmLettered(squeezed[0]))
        return {std::nullopt, today.reading};
    const std::string prefix = squeezed.substr(0, squeezed.size() - kSeedCodeChars);
    const auto recipe = ParsePrefix(prefix);
    if (!recipe)
        return {std::nullopt, today.reading};
    std::string seedCode = squeezed.substr(prefix.size());
    const int check = CodeDigit(seedCode.back());
    if (check < 0)
        return {std::nullopt, ParseMazeCode(seedCode)};
    seedCode.back() = CodeCharacter(check ^ PrefixCheck(prefix));
    CodeReading reading = ParseMazeCode(seedCode);
    if (!reading)
        return {std::nullopt, reading};
    Recipe r = *recipe;
    r.seed = *reading.seed;
    return {r, reading};
}

}  // namespace tolvane
