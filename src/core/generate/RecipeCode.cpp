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

// The braid's place holds its percent, 0 to 99, or one of these letters.
constexpr char kNoDeadEndsLetter = 'N';  // 100: one character, so that the longest code stays 24

// The prefix's characters weighted by their place (1 to 30, then 1 again), modulo the prime 31:
// a changed character or two neighbours swapped always change it. Before `wordAt` a character
// counts as its code digit (Z, the one digit equal to another modulo 31, never stands there);
// a word's letters count 1 (A) to 26 (Z), so that I, L, O and U count too.
int PrefixCheck(std::string_view prefix, std::size_t wordAt)
{
    constexpr int kPrime = 31;
    int sum = 0;
    int weight = 1;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const int value = i < wordAt ? CodeDigit(prefix[i]) : prefix[i] - 'A' + 1;
        sum = (sum + value * weight) % kPrime;
        weight = weight % (kPrime - 1) + 1;
    }
    return sum;
}

bool WordFits(std::string_view word)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(kLongestWord))
        return false;
    for (const char c : word)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
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

std::string BraidText(const BuildChoice& how)
{
    if (how.routeFirst)
        return std::string(1, kRouteFirstLetter);
    return how.braid == kMaxBraid ? std::string(1, kNoDeadEndsLetter) : std::to_string(how.braid);
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
    if (p.size() < 2)
        return std::nullopt;
    Recipe r;
    const auto algorithm = AlgorithmLettered(p[0]);
    std::size_t at = 1;
    std::optional<int> braid;
    const bool routeFirst = p[1] == kRouteFirstLetter;
    if (routeFirst || p[1] == kNoDeadEndsLetter) {
        braid = routeFirst ? 0 : kMaxBraid;
        ++at;
    } else if (braid = Number(p, at); braid && *braid >= kMaxBraid)
        braid.reset();  // 100 has its letter: one code per maze
    if (!algorithm || !braid || at >= p.size())
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
    if (*shape == ShapeKind::Outline) {
        r.word = std::string(p.substr(at));
        if (!WordFits(r.word))
            return std::nullopt;
        at = p.size();
    }
    if (at != p.size() || !SizeFits(r.shape, r.size.width, r.size.height) || r.Classic())
        return std::nullopt;
    return r;
}

// Where the word starts in a recipe's prefix (its end when it has none).
std::size_t WordAt(const Recipe& r, std::string_view prefix) { return prefix.size() - r.word.size(); }

}  // namespace

std::string FormatRecipeCode(const Recipe& r)
{
    if (r.Classic())
        return FormatSizedCode({r.seed, r.size});
    const std::string prefix = InfoOf(r.how.algorithm).letter + BraidText(r.how) + InfoOf(r.shape).letter + SizeTextOf(r) + r.word;
    std::string seed = FormatMazeCode(r.seed);
    seed.back() = CodeCharacter(CodeDigit(seed.back()) ^ PrefixCheck(prefix, WordAt(r, prefix)));
    std::string code = prefix + "-" + seed;
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
    seedCode.back() = CodeCharacter(check ^ PrefixCheck(prefix, WordAt(*recipe, prefix)));
    CodeReading reading = ParseMazeCode(seedCode);
    if (!reading)
        return {std::nullopt, reading};
    Recipe r = *recipe;
    r.seed = *reading.seed;
    return {r, reading};
}

}  // namespace tolvane
