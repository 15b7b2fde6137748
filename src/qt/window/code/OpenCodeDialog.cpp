// The dialog that opens a maze code.
#include "qt/window/code/OpenCodeDialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/maze/MazeCode.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

OpenCodeDialog::OpenCodeDialog(QWidget* parent, const QString& text) : QDialog(parent)
{
    setWindowTitle(tr("Open Maze Code"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("Maze &code:"), &field_);
    layout->addLayout(form);
    layout->addWidget(&verdict_);
    layout->addWidget(&buttons_);
    field_.setPlaceholderText(QStringLiteral("3F7KQ-M2XWA"));
    field_.setMinimumWidth(field_.fontMetrics().horizontalAdvance(QStringLiteral("0000000-0000000")));
    verdict_.setWordWrap(true);
    // Room for the longest verdict, so the dialog does not jump while a code is typed.
    verdict_.setMinimumHeight(verdict_.fontMetrics().lineSpacing() * 3);
    setMinimumWidth(verdict_.fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
    verdict_.setTextFormat(Qt::PlainText);
    // The verdict is read out as it changes, for those who cannot see it.
    verdict_.setAccessibleName(tr("Check of the code"));
    field_.setText(text);
    connect(&field_, &QLineEdit::textChanged, this, &OpenCodeDialog::Check);
    connect(&buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Check();
}

void OpenCodeDialog::Check()
{
    const CodeReading reading = ReadCode(field_.text());
    seed_ = reading.seed;
    openButton().setEnabled(seed_.has_value());
    if (seed_)
        verdict_.setText(tr("Opens the maze %1.").arg(QString::fromStdString(FormatMazeCode(*seed_))));
    else if (CleanCodeText(field_.text().toStdString()).empty())
        verdict_.setText(tr("A code has ten characters, like 3F7KQ-M2XWA."));
    else
        verdict_.setText(tr("Not a maze code yet: %1.").arg(CodeFaultReason(reading)));
}

std::optional<std::uint64_t> AskForMazeCode(QWidget& parent, const QString& text)
{
    OpenCodeDialog dialog(&parent, text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Seed();
}

}  // namespace tolvane
