// Recipe codes.
#include "core/code/Recipe.h"

#include <algorithm>

#include "core/code/SizedCode.h"

namespace tolvane {
namespace {

constexpr std::size_t kSeedCodeChars = 10;  // nine of the seed and the check character
constexpr std::size_t kLongest = 24;
// Written where the loops' percent stands: the route laid first (which never has loops).
constexpr char kRouteFirstLetter = 'S';

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

// A whole number from `at`, moving `at` past all its digits; nothing when there are none or it
// starts with a needless zero (a lone 0 is fine). Long runs stop growing at a bound no size reaches.
std::optional<int> Number(std::string_view s, std::size_t& at)
{
    constexpr int kBeyondAnySize = 100000;
    const std::size_t first = at;
    int value = 0;
    while (at < s.size() && s[at] >= '0' && s[at] <= '9')
        value = std::min(value * 10 + (s[at++] - '0'), kBeyondAnySize);
    if (at == first || (s[first] == '0' && at - first > 1))
        return std::nullopt;
    return value;
}

// Whether a code ever writes `c` in its front: the digits and the capitals without I, L, O and U
// (a word's letters aside). Unlike the seed's characters, O, I and L are not read as digits here:
// they would stand for a share of loops or a size that was never written.
bool CodeWrites(char c) { return CodeDigit(c) >= 0 && c != 'O' && c != 'I' && c != 'L'; }

// The fault for the character at `at`, which is not where the front has it: one codes never use,
// named whole (a UTF-8 character is several bytes), or else `otherwise`.
CodeReading FaultAt(std::string_view p, std::size_t at, CodeReading otherwise)
{
    if (at < p.size() && !CodeWrites(p[at])) {
        std::size_t end = at + 1;
        while (end < p.size() && (static_cast<unsigned char>(p[end]) & 0xC0) == 0x80)
            ++end;
        return {.fault = CodeFault::UnknownCharacter, .character = std::string(p.substr(at, end - at))};
    }
    return otherwise;
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

// A front read: the recipe it names, or why it names none.
struct FrontReading {
    std::optional<Recipe> recipe;
    CodeReading refused;
};

// The front's parts in order, way, loops, shape, size and word, each checked as it is reached so
// that the first wrong part is the one named.
FrontReading ParsePrefix(std::string_view p)
{
    const auto refuse = [p](CodeFault fault) { return FrontReading{std::nullopt, {.fault = fault, .front = std::string(p)}}; };
    // The fault at `at`, unless the character there is one codes never use; a letter that names
    // no way or shape is given with the fault.
    const auto refuseAt = [&](std::size_t at, CodeFault fault) {
        FrontReading read = refuse(fault);
        if (fault == CodeFault::UnknownWay || fault == CodeFault::UnknownShape)
            read.refused.letter = p[at];
        read.refused = FaultAt(p, at, read.refused);
        read.refused.front = p;
        return read;
    };
    if (p.empty())
        return refuse(CodeFault::BadFront);
    Recipe r;
    const auto algorithm = AlgorithmLettered(p[0]);
    if (!algorithm)
        return refuseAt(0, CodeFault::UnknownWay);
    std::size_t at = 1;
    std::optional<int> braid;
    const bool routeFirst = at < p.size() && p[at] == kRouteFirstLetter;
    if (routeFirst || (at < p.size() && p[at] == kNoDeadEndsLetter)) {
        braid = routeFirst ? 0 : kMaxBraid;
        ++at;
    } else if (braid = Number(p, at); braid && *braid >= kMaxBraid)
        braid.reset();  // 100 has its letter: one code per maze
    if (!braid)
        return refuseAt(at, CodeFault::BadLoops);
    if (at >= p.size())
        return refuse(CodeFault::BadFront);
    const auto shape = ShapeLettered(p[at]);
    if (!shape)
        return refuseAt(at, CodeFault::UnknownShape);
    ++at;
    r.how = {*algorithm, *braid, routeFirst};
    r.shape = *shape;
    const std::size_t sizeAt = at;
    const auto first = Number(p, at);
    if (!first)
        return refuseAt(at, CodeFault::BadFront);
    r.size = {*first, *first};
    if (InfoOf(*shape).twoSides) {
        if (at >= p.size() || p[at] != 'X')
            return refuseAt(at, CodeFault::BadFront);
        ++at;
        const auto second = Number(p, at);
        if (!second)
            return refuseAt(at, CodeFault::BadFront);
        r.size.height = *second;
    }
    if (!SizeFits(r.shape, r.size.width, r.size.height)) {
        FrontReading read = refuse(CodeFault::ShapeSizeOutOfRange);
        read.refused.letter = InfoOf(*shape).letter;
        read.refused.written = std::string(p.substr(sizeAt, at - sizeAt));
        if (InfoOf(*shape).twoSides)
            read.refused.written[read.refused.written.find('X')] = 'x';
        return read;
    }
    if (*shape == ShapeKind::Outline) {
        r.word = std::string(p.substr(at));
        if (!WordFits(r.word))
            return refuse(CodeFault::BadWord);
        at = p.size();
    }
    if (at != p.size())
        return refuseAt(at, CodeFault::BadFront);
    if (r.Classic())
        return refuse(CodeFault::ClassicRecipeWritten);
    return {r, {}};
}

// Whether a text whose front names no maze still reads as a recipe code meant with a wrong front:
// a letter first and a digit among its next characters (the loops' share or the size), as no
// group of five of today's codes needs to have.
bool LooksLikeFront(std::string_view front)
{
    const auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
    return front.size() >= 3 && letter(front[0]) && std::any_of(front.begin() + 1, front.end(), [](char c) { return c >= '0' && c <= '9'; });
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

RecipeReading ReadCode(std::string_view text, OldCodes old)
{
    const SizedReading today = ReadSizedCode(text);
    if (today.maze)
        return {Recipe{.size = today.maze->size, .seed = today.maze->seed}, today.reading};
    if (today.reading.firstRelease && old == OldCodes::Read) {
        const auto first = ReadFirstReleaseCode(text);
        return {Recipe{.size = first->size, .seed = first->seed}, today.reading};
    }
    // The recipe form begins with a way's letter; anything else keeps today's reading's fault.
    const std::string clean = CleanCodeText(text);
    const std::string squeezed = SqueezedCode(clean);
    if (squeezed.empty() || squeezed[0] < 'A' || squeezed[0] > 'Z')
        return {std::nullopt, today.reading};
    const std::string prefix = squeezed.size() > kSeedCodeChars ? squeezed.substr(0, squeezed.size() - kSeedCodeChars) : "";
    FrontReading front = ParsePrefix(prefix);
    if (!front.recipe) {
        // Every recipe code has a hyphen after its front: what stands before the first one is the
        // front as meant, whether or not ten characters follow it.
        const std::string written = SqueezedCode(clean.substr(0, clean.find_first_of("- ")));
        if (!LooksLikeFront(written) || written.size() == squeezed.size())
            return {std::nullopt, today.reading};
        if (written == prefix)
            return {std::nullopt, front.refused};
        const FrontReading meant = ParsePrefix(written);
        if (!meant.recipe)
            return {std::nullopt, today.reading};
        const CodeReading seedPart = ParseMazeCode(squeezed.substr(written.size()));
        if (seedPart.fault == CodeFault::UnknownCharacter)
            return {std::nullopt, seedPart};
        return {std::nullopt, {.fault = CodeFault::WrongLength, .length = seedPart.length, .front = written}};
    }
    std::string seedCode = squeezed.substr(prefix.size());
    const int check = CodeDigit(seedCode.back());
    if (check < 0)
        return {std::nullopt, ParseMazeCode(seedCode)};
    seedCode.back() = CodeCharacter(check ^ PrefixCheck(prefix, WordAt(*front.recipe, prefix)));
    CodeReading reading = ParseMazeCode(seedCode);
    if (!reading)
        return {std::nullopt, reading};
    Recipe r = *front.recipe;
    r.seed = *reading.seed;
    return {r, reading};
}

}  // namespace tolvane
