// The small dialog in which a maze code someone sent is typed or pasted, checked as it is typed.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdint>
#include <optional>

#include "core/code/Recipe.h"
#include "core/code/SizedCode.h"

namespace tolvane {

class OpenCodeDialog final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(OpenCodeDialog)

public:
    // Starts with `text` in the field, already checked. Mazes wider or taller than `largestSide`
    // are refused: the window cannot show them.
    OpenCodeDialog(QWidget* parent, int largestSide, const QString& text = {});

    // The maze of the code in the field, or nothing while it is no code the window can show:
    // its whole recipe, and its seed and size.
    const std::optional<Recipe>& Opened() const { return recipe_; }
    std::optional<SizedSeed> Maze() const
    {
        return recipe_ ? std::optional(SizedSeed{recipe_->seed, recipe_->size}) : std::nullopt;
    }

    QLineEdit& field() { return field_; }
    QLabel& verdict() { return verdict_; }
    QPushButton& openButton() { return *buttons_.button(QDialogButtonBox::Open); }
    // Whether the code in the field is one the first release printed, which opens only after
    // one question.
    bool FirstRelease() const { return firstRelease_; }

    // Opens the maze, asking first for a code of the first release.
    void accept() override;

private:
    void Check();

    QLineEdit field_;
    QLabel verdict_;
    QDialogButtonBox buttons_{QDialogButtonBox::Open | QDialogButtonBox::Cancel};
    std::optional<Recipe> recipe_;
    bool firstRelease_ = false;
    int largestSide_;
};

// Asks for a code, starting with `text`; the maze of the code given, or nothing when cancelled.
std::optional<Recipe> AskForMazeCode(QWidget& parent, int largestSide, const QString& text = {});

}  // namespace tolvane
