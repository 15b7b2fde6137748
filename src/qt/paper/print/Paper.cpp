// Papers.
#include "qt/paper/print/Paper.h"

#include <QLocale>
#include <algorithm>
#include <iterator>

namespace tolvane {
namespace {

struct PaperName {
    const char* name;
    Paper paper;
    QPageSize::PageSizeId id;
};
constexpr PaperName kPapers[] = {
    {"a4", Paper::A4, QPageSize::A4},           {"letter", Paper::Letter, QPageSize::Letter},
    {"a3", Paper::A3, QPageSize::A3},           {"a2", Paper::A2, QPageSize::A2},
    {"a1", Paper::A1, QPageSize::A1},           {"a0", Paper::A0, QPageSize::A0},
    {"tabloid", Paper::Tabloid, QPageSize::Tabloid}, {"ledger", Paper::Ledger, QPageSize::Ledger},
};

}  // namespace

std::optional<Paper> PaperNamed(const QString& name)
{
    for (const PaperName& paper : kPapers)
        if (name.compare(QLatin1String(paper.name), Qt::CaseInsensitive) == 0)
            return paper.paper;
    return std::nullopt;
}

QPageSize PageSizeOf(Paper paper)
{
    for (const PaperName& known : kPapers)
        if (known.paper == paper)
            return QPageSize(known.id);
    return QPageSize(QPageSize::A4);
}

QString NameOf(Paper paper)
{
    for (const PaperName& known : kPapers)
        if (known.paper == paper)
            return QString::fromLatin1(known.name);
    return {};
}

std::vector<Paper> PapersBySize()
{
    std::vector<Paper> papers;
    for (const PaperName& known : kPapers)
        papers.push_back(known.paper);
    const auto area = [](Paper paper) {
        const QSizeF size = PageSizeOf(paper).size(QPageSize::Millimeter);
        return size.width() * size.height();
    };
    std::stable_sort(papers.begin(), papers.end(), [&](Paper a, Paper b) { return area(a) < area(b) - 1; });
    return papers;
}

Paper LocalePaper()
{
    const QString paper = qEnvironmentVariable("LC_PAPER");
    const QLocale locale = paper.isEmpty() || paper == QLatin1String("C") || paper == QLatin1String("POSIX")
                               ? QLocale::system()
                               : QLocale(paper.section(QLatin1Char('.'), 0, 0));
    // Letter is the custom in North and Central America, parts of South America, and the Philippines.
    static const QLocale::Territory kLetter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,     QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela,  QLocale::PuertoRico,
        QLocale::Guatemala,    QLocale::CostaRica, QLocale::Panama,     QLocale::DominicanRepublic,
    };
    return std::find(std::begin(kLetter), std::end(kLetter), locale.territory()) != std::end(kLetter) ? Paper::Letter
                                                                                                   : Paper::A4;
}

}  // namespace tolvane
