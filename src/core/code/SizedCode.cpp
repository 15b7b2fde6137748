// Codes of mazes of any size.
#include "core/code/SizedCode.h"

#include <array>
#include <cctype>

#include "core/code/MazeCode.h"

namespace tolvane {
namespace {

constexpr int kCodeChars = 10;   // nine of the seed and the check character
constexpr std::size_t kLongest = 20;
constexpr std::string_view kTimes = "\xC3\x97";  // "×" in UTF-8

// What a size folds into the check character. Any one change to the size as written changes it:
// a character changed (a digit or the "x"), two neighbours swapped, one left out or one added.
// The characters weighted by their place, modulo the prime 13, catch the first two (a weight
// and a difference of values are never a multiple of 13); a character more or fewer changes the
// length's parity, which picks one of two rows of values. The rows are laid out so that the codes
// pinned since sizes first had codes keep their check characters.
int SizeCheck(const std::string& size)
{
    constexpr int kPrime = 13;
    constexpr int kLengthWeight = 4;
    constexpr std::array<std::array<int, kPrime>, 2> kRows{{
        {9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 23},  // an even number of characters
        {0, 1, 2, 3, 4, 5, 15, 29, 22, 6, 7, 8, 26},          // an odd number
    }};
    int sum = static_cast<int>(size.size()) * kLengthWeight;
    int weight = 1;
    for (const char c : size) {
        const int value = c == 'x' ? 11 : c - '0' + 1;  // a 0 counts too
        sum = (sum + value * weight++) % kPrime;
    }
    return kRows[size.size() % 2][sum];
}

// The first release's check of a size, which misses a character dropped or added.
int FirstReleaseSizeCheck(const std::string& size)
{
    constexpr int kPrime = 31;
    int sum = 0;
    int weight = 1;
    for (const char c : size) {
        const int value = c == 'x' ? 11 : c - '0' + 1;
        sum = (sum + value * weight++) % kPrime;
    }
    return sum;
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

// A size at the start of a code: its two runs of digits and the "x" between them, as the check
// reads it ("31x45" for "31 X 45"), and where it ends in the text.
struct WrittenSize {
    std::string text;
    std::size_t end = 0;
};

std::optional<WrittenSize> SizeAhead(std::string_view text)
{
    std::size_t at = 0;
    auto digits = [&] {
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return std::string(text.substr(from, at - from));
    };
    auto spaces = [&] {
        while (at < text.size() && text[at] == ' ')
            ++at;
    };
    const std::string width = digits();
    spaces();
    if (text.substr(at, kTimes.size()) == kTimes)
        at += kTimes.size();
    else if (at < text.size() && (text[at] == 'x' || text[at] == 'X'))
        ++at;
    else
        return std::nullopt;
    spaces();
    const std::string height = digits();
    if (width.empty() || height.empty())
        return std::nullopt;
    return WrittenSize{width + "x" + height, at};
}

// A code as this version writes it, or why it is none.
SizedReading ReadTodaysCode(std::string_view text)
{
    const std::string clean = CleanCodeText(text);
    // Ten characters are a 21 x 21 code, whatever they look like: "3X7KQ-M2XWA" has no size.
    const std::string squeezed = SqueezedCode(clean);
    const std::optional<WrittenSize> written = squeezed.size() == kCodeChars ? std::nullopt : SizeAhead(clean);
    if (!written) {
        CodeReading reading = ParseMazeCode(clean);
        return {reading ? std::optional(SizedSeed{*reading.seed, kClassicSize}) : std::nullopt, reading};
    }
    CodeReading refused{.size = written->text};
    // The size ends where a hyphen (or a space) follows it: without one, where the size ends and
    // the ten characters begin would be a guess, and a dropped character could move the line.
    const std::string_view rest = std::string_view(clean).substr(written->end);
    if (!rest.empty() && rest.front() != '-' && rest.front() != ' ') {
        refused.fault = CodeFault::SizeUnended;
        return {std::nullopt, refused};
    }
    const auto size = ParseSize(written->text);
    if (!size) {  // a side out of range, or written with a leading zero
        refused.fault = CodeFault::BadSize;
        return {std::nullopt, refused};
    }
    if (*size == kClassicSize) {  // one maze, one code
        refused.fault = CodeFault::ClassicSizeWritten;
        return {std::nullopt, refused};
    }
    CodeReading reading = ParseMazeCode(rest, SizeCheck(written->text));
    reading.size = written->text;
    return {reading ? std::optional(SizedSeed{*reading.seed, *size}) : std::nullopt, reading};
}

}  // namespace

std::string SizeText(MazeSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

std::optional<MazeSize> ParseSize(std::string_view text)
{
    const std::string squeezed = SqueezedCode(text);
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
    SizedReading read = ReadTodaysCode(text);
    if (!read.maze && ReadFirstReleaseCode(text))
        read.reading.firstRelease = true;
    return read;
}

std::optional<SizedSeed> ReadFirstReleaseCode(std::string_view text)
{
    const std::string squeezed = SqueezedCode(CleanCodeText(text));
    if (squeezed.size() <= static_cast<std::size_t>(kCodeChars))
        return std::nullopt;
    const std::string sizePart = squeezed.substr(0, squeezed.size() - kCodeChars);
    std::string code = squeezed.substr(sizePart.size());
    const auto size = ParseSize(sizePart);
    if (!size || *size == kClassicSize)
        return std::nullopt;
    const int check = CodeDigit(code.back());
    if (check < 0)
        return std::nullopt;
    code.back() = CodeCharacter(check ^ FirstReleaseSizeCheck(SizeText(*size)));
    const auto seed = ParseMazeCode(code).seed;
    return seed ? std::optional(SizedSeed{*seed, *size}) : std::nullopt;
}

std::optional<SizedSeed> ParseSizedCode(std::string_view text) { return ReadSizedCode(text).maze; }

}  // namespace tolvane
