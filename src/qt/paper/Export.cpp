// Writing mazes to files.
#include "qt/paper/Export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <cstring>

#include "qt/Version.h"
#include "qt/paper/Pictures.h"

namespace tolvane {
namespace {

QString Creator() { return QStringLiteral("Tolvane %1").arg(QString::fromLatin1(kVersion)); }

QString Title(const std::vector<Sheet>& sheets)
{
    if (sheets.size() == 1)
        return QStringLiteral("Tolvane: %1").arg(SheetCaption(sheets.front()));
    return QCoreApplication::translate("Export", "Tolvane: %1 pages of mazes").arg(sheets.size());
}

bool WritePng(QIODevice& file, const Sheet& sheet, double scale)
{
    QImage image = PictureImage(*sheet.maze, sheet.answer, scale, sheet.play);
    image.setText(QStringLiteral("Title"), Title({sheet}));
    image.setText(QStringLiteral("Software"), Creator());
    return image.save(&file, "PNG");
}

bool WriteSvg(QIODevice& file, const std::vector<Sheet>& sheets)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(kPictureSide, kPictureSide));
    svg.setViewBox(QRect(0, 0, kPictureSide, kPictureSide));
    svg.setTitle(Title(sheets));
    svg.setDescription(Creator());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintPicture(painter, QRectF(0, 0, kPictureSide, kPictureSide), *sheets.front().maze, sheets.front().answer,
                 sheets.front().play);
    return painter.end();
}

bool WritePdf(QIODevice& file, const std::vector<Sheet>& sheets)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(Title(sheets));
    pdf.setCreator(Creator());
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPaperMargins, QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRectF page(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !pdf.newPage())
            return false;
        PaintPage(painter, page, *sheets[i].maze, sheets[i].answer, SheetCaption(sheets[i]), sheets[i].play);
    }
    return painter.end();
}

// The reason the system gave for the last failure; Qt's own text when it has one that says more.
QString SystemReason(const QFileDevice& file, int error)
{
    const QString qt = file.errorString();
    if (error != 0 && (qt.isEmpty() || qt == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(error));
    return qt;
}

}  // namespace

std::optional<FileFormat> FormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return FileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return FileFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return FileFormat::Pdf;
    return std::nullopt;
}

QString SheetCaption(const Sheet& sheet)
{
    if (sheet.code.isEmpty())
        return sheet.answer == Answer::Shown ? QCoreApplication::translate("Export", "Maze, solution") : QCoreApplication::translate("Export", "Maze");
    return sheet.answer == Answer::Shown ? QCoreApplication::translate("Export", "Maze %1, solution").arg(sheet.code) : QCoreApplication::translate("Export", "Maze %1").arg(sheet.code);
}

QString SheetFileName(const QString& code)
{
    return code.isEmpty() ? QStringLiteral("maze") : QStringLiteral("maze-%1").arg(code);
}

std::optional<QString> WriteSheets(const QString& path, const std::vector<Sheet>& sheets, double scale)
{
    const auto format = FormatOf(path);
    if (!format)
        return QCoreApplication::translate("Export", "%1: unknown file type; the name must end in .png, .svg or .pdf").arg(path);
    if (sheets.empty() || (format != FileFormat::Pdf && sheets.size() != 1))
        return QCoreApplication::translate("Export", "%1: a PNG or SVG file holds exactly one maze").arg(path);

    // Drawn in memory first: a drawing that fails leaves no file, and a write that fails is told
    // by the system's own reason (no space left, permission denied, …).
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    switch (*format) {
    case FileFormat::Png:
        drawn = WritePng(buffer, sheets.front(), scale);
        break;
    case FileFormat::Svg:
        drawn = WriteSvg(buffer, sheets);
        break;
    case FileFormat::Pdf:
        drawn = WritePdf(buffer, sheets);
        break;
    }
    const auto cannot = [&](const QString& reason) {
        return QCoreApplication::translate("Export", "cannot write %1: %2").arg(path, reason);
    };
    if (!drawn)
        return cannot(QCoreApplication::translate("Export", "the picture could not be drawn"));

    // QSaveFile replaces the file only once all of it is written, and keeps the old one's permissions.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return cannot(SystemReason(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = SystemReason(file, errno);
        file.cancelWriting();
        return cannot(reason);
    }
    errno = 0;
    if (!file.commit())
        return cannot(SystemReason(file, errno));
    return std::nullopt;
}

}  // namespace tolvane
