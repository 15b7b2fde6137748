// The papers a maze is printed on, by name and by the locale's custom, and their margins.
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

namespace tolvane {

// Ledger is Tabloid's sheet turned on its side.
enum class Paper { A4, Letter, A3, A2, A1, A0, Tabloid, Ledger };

// Letter where the user's locale (LC_PAPER, else the locale) takes Letter, A4 everywhere else.
Paper LocalePaper();
// "a4", "letter", "a3", "a2", "a1", "a0", "tabloid" or "ledger", in any case.
std::optional<Paper> PaperNamed(const QString& name);
QPageSize PageSizeOf(Paper paper);
// The name --paper takes for it: "a3".
QString NameOf(Paper paper);
// Every paper, the smallest sheet first (Ledger after Tabloid, whose sheet it is).
std::vector<Paper> PapersBySize();

// The margins of every page, saved or printed, in millimetres: wide enough for the unprintable
// edge of ordinary home printers.
inline const QMarginsF kPaperMargins(15, 15, 15, 15);

}  // namespace tolvane
