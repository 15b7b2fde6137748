// The small dialog in which a maze code someone sent is typed or pasted, checked as it is typed.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdint>
#include <optional>

#include "core/maze/SizedCode.h"

namespace tolvane {

class OpenCodeDialog final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(OpenCodeDialog)

public:
    // Starts with `text` in the field, already checked. Mazes wider or taller than `largestSide`
    // are refused: the window cannot show them.
    OpenCodeDialog(QWidget* parent, int largestSide, const QString& text = {});

    // The maze of the code in the field, or nothing while it is no code the window can show.
    std::optional<SizedSeed> Maze() const { return maze_; }

    QLineEdit& field() { return field_; }
    QLabel& verdict() { return verdict_; }
    QPushButton& openButton() { return *buttons_.button(QDialogButtonBox::Open); }

private:
    void Check();

    QLineEdit field_;
    QLabel verdict_;
    QDialogButtonBox buttons_{QDialogButtonBox::Open | QDialogButtonBox::Cancel};
    std::optional<SizedSeed> maze_;
    int largestSide_;
};

// Asks for a code, starting with `text`; the maze of the code given, or nothing when cancelled.
std::optional<SizedSeed> AskForMazeCode(QWidget& parent, int largestSide, const QString& text = {});

}  // namespace tolvane
