// The shape the command line asks for: a shape by its name, a word's outline, or a picture's, read with care.
#include "qt/cli/run/AskedShape.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <cmath>
#include <cstdint>

#include "core/shape/make/Mask.h"
#include "core/shape/ShapeChoice.h"
#include "qt/paper/Outlines.h"
#include "qt/paper/Pictures.h"

namespace tolvane {
namespace {

// A picture given to --mask is as big as a PNG the program writes can be: its outline is taken
// at 200 cells across at most, and a bigger one would only cost memory.
constexpr long long kLargestMaskPixels = kLargestPngPixels;

// The CRC of PNG chunks (ISO 3309), by its table.
std::uint32_t Crc(std::uint32_t crc, const QByteArray& bytes)
{
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    for (const char b : bytes)
        crc = kTable[(crc ^ static_cast<std::uint8_t>(b)) & 0xFF] ^ (crc >> 8);
    return crc;
}

std::uint32_t BigEndian(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (qsizetype i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[i]);
    return value;
}

// Whether a PNG file is whole: chunk after chunk up to IEND, each inside the file and matching its
// CRC. libpng writes its own line to standard error when a file is cut off or damaged, before Qt
// hears of it; such a file is not handed to it.
bool PngWhole(QIODevice& file)
{
    constexpr qint64 kSignature = 8;
    constexpr qint64 kPiece = 1 << 16;
    file.seek(kSignature);
    while (true) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return false;
        const qint64 length = BigEndian(head, 0);
        if (length > file.size() - file.pos())
            return false;
        std::uint32_t crc = Crc(0xFFFFFFFFu, head.mid(4));
        for (qint64 left = length; left > 0;) {
            const QByteArray piece = file.read(std::min(left, kPiece));
            if (piece.isEmpty())
                return false;
            crc = Crc(crc, piece);
            left -= piece.size();
        }
        const QByteArray stored = file.read(4);
        if (stored.size() < 4 || BigEndian(stored, 0) != (crc ^ 0xFFFFFFFFu))
            return false;
        if (head.mid(4) == "IEND")
            return true;
    }
}

// Whether a JPEG file ends with its end marker, as one cut off does not (Qt reads what there is
// and fills the rest with grey, which would make another outline); true for any other file.
bool JpegWhole(QFile& file)
{
    file.seek(0);
    if (!file.peek(3).startsWith("\xFF\xD8\xFF"))
        return true;
    constexpr qint64 kTail = 64;  // some writers pad the end
    file.seek(std::max<qint64>(0, file.size() - kTail));
    QByteArray tail = file.read(kTail);
    while (!tail.isEmpty() && (tail.back() == '\0' || tail.back() == '\n' || tail.back() == '\r' || tail.back() == ' '))
        tail.chop(1);
    file.seek(0);
    return tail.endsWith("\xFF\xD9");
}

// Qt's image readers say what went wrong in English lines of their own; while a picture is read
// they are held back, and the one line the program writes says it in the user's language.
class QuietReading {
public:
    QuietReading() : previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
    ~QuietReading() { qInstallMessageHandler(previous_); }
    QuietReading(const QuietReading&) = delete;
    QuietReading& operator=(const QuietReading&) = delete;

private:
    QtMessageHandler previous_;
};

// The picture at `path`, or the reason it cannot be had, in one line: no such file, a folder, a
// file that cannot be opened, one that is no picture, too many pixels, or damaged or cut off.
std::optional<QImage> ReadMaskPicture(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        error = QCoreApplication::translate("Export", "%1 is a folder, not a picture").arg(path);
        return std::nullopt;
    }
    if (!info.exists()) {
        error = QCoreApplication::translate("Export", "there is no picture %1").arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("Export", "cannot open the picture %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QuietReading quiet;
    const QString damaged = QCoreApplication::translate("Export", "the picture %1 is damaged or cut off").arg(path);
    if ((file.peek(8) == QByteArray("\x89PNG\r\n\x1A\n", 8) && !PngWhole(file)) || !JpegWhole(file)) {
        error = damaged;
        return std::nullopt;
    }
    file.seek(0);
    QImageReader reader(&file);
    if (!reader.canRead()) {
        error = QCoreApplication::translate("Export", "%1 is not a picture the program can read, such as a PNG").arg(path);
        return std::nullopt;
    }
    // Asked before reading, so that Qt's own limit, in bytes, is never what refuses it.
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kLargestMaskPixels) {
        error = QCoreApplication::translate("Export", "the picture %1 has %2 x %3 pixels; a picture for --mask may have at "
                                                      "most %4 million")
                    .arg(path)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(QLocale().toString(std::floor(kLargestMaskPixels / 1e5) / 10, 'f', 1));
        return std::nullopt;
    }
    if (size.isValid())
        reader.setAllocationLimit(0);  // the pixels are counted; a 16-bit picture takes twice the bytes
    const QImage picture = reader.read();
    if (picture.isNull()) {
        error = damaged;
        return std::nullopt;
    }
    return picture;
}

// A picture whose dark part makes no two joined cells, each at least half dark, at `across` cells
// across: more cells may catch it, up to the most there are.
QString TooLittleInk(const QString& path, int across)
{
    const SizeRange range = RangeOf(ShapeKind::Outline);
    if (across < range.most)
        return QCoreApplication::translate("Export", "too little of %1 is dark: at %2 cells across, fewer than two joined "
                                                     "cells are half dark; give a bigger --size, up to %3")
            .arg(path)
            .arg(across)
            .arg(range.most);
    return QCoreApplication::translate("Export", "too little of %1 is dark: even at %2 cells across, fewer than two joined "
                                                 "cells are half dark")
        .arg(path)
        .arg(across);
}


}  // namespace

// The shape `options` asks for (--shape, --text, --mask or a shape's code), or why there is none.
std::optional<Shape> AskedShape(const Options& options, QString& error)
{
    const ShapeChoice& asked = *options.shape;
    if (asked.kind != ShapeKind::Outline)
        return MakeShape(asked);
    std::optional<Mask> mask;
    if (!options.maskFile.isEmpty()) {
        const std::optional<QImage> picture = ReadMaskPicture(options.maskFile, error);
        if (!picture)
            return std::nullopt;
        mask = MaskFromPicture(*picture, asked.size.width);
        if (!mask) {
            error = !HasDarkPixels(*picture)
                        ? QCoreApplication::translate("Export", "%1 has no dark pixels to make an outline of").arg(options.maskFile)
                        : TooLittleInk(options.maskFile, asked.size.width);
            return std::nullopt;
        }
    } else {
        mask = MaskFromWord(QString::fromStdString(asked.word), asked.size.width);
        if (!mask) {
            error = QCoreApplication::translate("Export", "the font has no letters for %1").arg(QString::fromStdString(asked.word));
            return std::nullopt;
        }
    }
    std::optional<Shape> shape = MaskShape(*mask);
    if (!shape || shape->graph.CellCount() < 2) {
        error = !options.maskFile.isEmpty()
                    ? TooLittleInk(options.maskFile, asked.size.width)
                    : QCoreApplication::translate("Export", "the outline holds fewer than two cells; give a bigger --size");
        return std::nullopt;
    }
    return shape;
}

}  // namespace tolvane
