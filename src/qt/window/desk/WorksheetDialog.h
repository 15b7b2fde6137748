// Worksheets…: class sets, puzzle books and posters from the window, with their pages previewed.
#pragma once

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <memory>

#include "qt/window/desk/WorksheetChoices.h"
#include "qt/window/desk/WorksheetJob.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrintPreviewWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tolvane {

// Every choice `Tolvane --export FILE.pdf` has for a worksheet, as fields. The mazes are chosen
// on a worker thread as the command line chooses them, printed from their codes as the command
// line shown beside them prints them, and previewed sheet by sheet.
class WorksheetDialog final : public QDialog {
public:
    // `settingsFile` keeps the choices and the presets; empty for the user's own settings.
    explicit WorksheetDialog(QWidget* parent, const QString& settingsFile = {});
    ~WorksheetDialog() override;

    WorksheetChoices Choices() const;
    void SetChoices(const WorksheetChoices& choices);

    // Plans the sheets for the choices at once, without waiting for the typing to stop.
    void Refresh();
    // Whether mazes are being chosen or a PDF written.
    bool Busy() const;
    // The sheets planned for the choices shown, or null while none are (refused, or still busy).
    const PlannedSheets* Planned() const { return planned_.get(); }
    // The command line that prints the sheets planned.
    QString Command() const;
    // Writes the planned sheets to `path` on the worker thread; the dialog says how it went.
    void SaveAs(const QString& path);
    // The outcome of the last save: empty once it succeeded, the reason it failed otherwise.
    std::optional<QString> LastSaveError() const { return saveError_; }

private:
    void BuildFields();
    void Plan();
    QWidget* Field(QWidget* input, const QStringList& options);
    void ChoicesChanged();
    void UpdateEnabled();
    void ShowProblem(const QString& sentence);
    void ClearProblems();
    void PlanArrived(const std::shared_ptr<PlanJob>& job, int generation);
    void StartPreview();
    void TakePreviewSheets();
    void PaintPreview(QPrinter* printer);
    void ShowFacts();
    void Say(const QString& text);
    void Cancel();
    void SaveClicked();
    void PrintClicked();
    void SaveFinished(const std::shared_ptr<SaveJob>& job);
    void ChoosePreset(int index);
    void SavePreset();
    void LoadPresets();
    QThread* Start(std::function<void()> work);

    std::unique_ptr<QSettings> settings_;
    QHash<QString, QLabel*> problems_;  // beside each field, by the options it gives
    QComboBox* preset_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* shape_ = nullptr;
    QLineEdit* word_ = nullptr;
    QLineEdit* size_ = nullptr;
    QComboBox* algorithm_ = nullptr;
    QSpinBox* braid_ = nullptr;
    QLineEdit* route_ = nullptr;
    QCheckBox* hard_ = nullptr;
    QSpinBox* count_ = nullptr;
    QComboBox* perPage_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QLineEdit* title_ = nullptr;
    QComboBox* nameLines_ = nullptr;
    QCheckBox* answers_ = nullptr;
    QComboBox* paper_ = nullptr;
    QSpinBox* tileColumns_ = nullptr;
    QSpinBox* tileRows_ = nullptr;
    QLabel* generalProblem_ = nullptr;
    QLabel* facts_ = nullptr;
    QLabel* busy_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    QPlainTextEdit* codes_ = nullptr;
    QLineEdit* command_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;

    QPrinter printer_{QPrinter::HighResolution};
    QTimer settle_;        // the typing has stopped: plan again
    QTimer saveProgress_;  // reads a saving thread's count
    int generation_ = 0;   // the planning whose result is wanted; older ones are dropped
    std::vector<QPointer<QThread>> threads_;
    std::shared_ptr<const PlannedSheets> planned_;
    std::shared_ptr<SaveJob> saving_;
    std::optional<QString> saveError_;
    std::shared_ptr<PreviewJob> previewJob_;
    std::vector<QImage> previewSheets_;  // the preview's sheets painted so far
    QTimer previewPoll_;                 // takes them as they come
    bool filling_ = false;  // fields being set from choices: no planning for each
};

// Opens the dialog over `window`, or brings the open one forward.
void ShowWorksheetDialog(QWidget& window);

}  // namespace tolvane
