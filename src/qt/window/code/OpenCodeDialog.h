// The small dialog in which a maze code someone sent is typed or pasted, checked as it is typed.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace tolvane {

class OpenCodeDialog final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(OpenCodeDialog)

public:
    // Starts with `text` in the field, already checked.
    explicit OpenCodeDialog(QWidget* parent, const QString& text = {});

    // The seed of the code in the field, or nothing while it is no code.
    std::optional<std::uint64_t> Seed() const { return seed_; }

    QLineEdit& field() { return field_; }
    QLabel& verdict() { return verdict_; }
    QPushButton& openButton() { return *buttons_.button(QDialogButtonBox::Open); }

private:
    void Check();

    QLineEdit field_;
    QLabel verdict_;
    QDialogButtonBox buttons_{QDialogButtonBox::Open | QDialogButtonBox::Cancel};
    std::optional<std::uint64_t> seed_;
};

// Asks for a code, starting with `text`; the seed of the code given, or nothing when cancelled.
std::optional<std::uint64_t> AskForMazeCode(QWidget& parent, const QString& text = {});

}  // namespace tolvane
