// The dialog that opens a maze code.
#include "qt/window/code/OpenCodeDialog.h"

#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code/MazeCode.h"
#include "qt/paper/Facts.h"
#include "qt/window/choice/WindowShape.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

OpenCodeDialog::OpenCodeDialog(QWidget* parent, int largestSide, const QString& text)
    : QDialog(parent), largestSide_(largestSide)
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
    connect(&buttons_, &QDialogButtonBox::accepted, this, &OpenCodeDialog::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Check();
}

void OpenCodeDialog::Check()
{
    // A code the first release printed is offered too, as that release read it; Open asks first.
    const RecipeReading read = ReadCode(field_.text().toStdString(), OldCodes::Read);
    firstRelease_ = read.recipe && read.reading.firstRelease;
    const std::optional<Recipe>& recipe = read.recipe;
    const bool rectangle = recipe && recipe->shape == ShapeKind::Rectangle;
    const bool fits = rectangle ? std::max(recipe->size.width, recipe->size.height) <= largestSide_ : recipe.has_value();
    const auto problem = recipe && fits && !rectangle ? WindowProblem(*recipe) : std::nullopt;
    recipe_ = fits && !problem ? recipe : std::nullopt;
    openButton().setEnabled(recipe_.has_value());
    if (recipe_ && firstRelease_)
        verdict_.setText(tr("Not a code of this version, but the first release, whose check was weaker, wrote it "
                            "for the maze %1. Open asks before opening it.")
                             .arg(QString::fromStdString(FormatRecipeCode(*recipe_))));
    else if (recipe_ && rectangle)
        verdict_.setText(tr("Opens the maze %1.").arg(QString::fromStdString(FormatRecipeCode(*recipe_))));
    else if (recipe_)
        verdict_.setText(tr("Opens the maze %1: %2.")
                             .arg(QString::fromStdString(FormatRecipeCode(*recipe_)))
                             .arg(ShapeTitle({recipe_->shape, recipe_->size, recipe_->word})));
    else if (problem)
        verdict_.setText(*problem);
    else if (recipe)
        verdict_.setText(tr("The window shows mazes of up to %1x%1 cells; write this one to a file with "
                            "tolvane --export.")
                             .arg(largestSide_));
    else if (CleanCodeText(field_.text().toStdString()).empty())
        verdict_.setText(tr("A code has ten characters, like 3F7KQ-M2XWA."));
    else
        verdict_.setText(tr("Not a maze code yet: %1.").arg(CodeFaultReason(read.reading)));
}

void OpenCodeDialog::accept()
{
    if (firstRelease_ &&
        QMessageBox::question(this, tr("Open a Code of the First Release"),
                              tr("Open this code as the first release read it? Its weaker check let a code with a "
                                 "character dropped or added open another maze; open it only if it was printed by "
                                 "that release.")) != QMessageBox::Yes)
        return;
    QDialog::accept();
}

std::optional<Recipe> AskForMazeCode(QWidget& parent, int largestSide, const QString& text)
{
    OpenCodeDialog dialog(&parent, largestSide, text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Opened();
}

}  // namespace tolvane
