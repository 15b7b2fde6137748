// Looking up the ways to build.
#include "core/generate/Algorithms.h"

namespace tolvane {

std::optional<Algorithm> AlgorithmNamed(std::string_view name)
{
    for (const AlgorithmInfo& a : kAlgorithms) {
        if (a.name.size() != name.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) {
            const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
            same = c == a.name[i];
        }
        if (same)
            return a.id;
    }
    return std::nullopt;
}

std::optional<Algorithm> AlgorithmLettered(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    for (const AlgorithmInfo& a : kAlgorithms)
        if (a.letter == letter)
            return a.id;
    return std::nullopt;
}

}  // namespace tolvane
