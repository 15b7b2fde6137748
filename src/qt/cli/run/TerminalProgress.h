// Progress of long work on one line of a terminal: what, how far, the time left.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>

#include "qt/paper/Progress.h"
#include "qt/platform/Desktop.h"
#include "qt/platform/Terminal.h"

namespace tolvane {

// Says nothing when standard error is no terminal (a script, a log), nor for work done within
// half a second; the line is rewritten at most ten times a second and wiped when the work ends,
// so that the one line a failure prints stands alone.
class TerminalProgress final : public Progress {
public:
    explicit TerminalProgress(QString what) : what_(std::move(what)), shown_(StandardErrorIsTerminal()) { clock_.start(); }
    ~TerminalProgress() override { Wipe(); }

    // Takes the line away, before whatever is said next.
    void Wipe()
    {
        if (width_ > 0) {
            std::fprintf(stderr, "\r%*s\r", width_, "");
            std::fflush(stderr);
        }
        width_ = 0;
        shown_ = false;
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool Reached(long long done, long long total) override
    {
        const qint64 ms = clock_.elapsed();
        if (!shown_ || total <= 0 || ms < kQuietMs || ms - lastMs_ < kEveryMs)
            return true;
        lastMs_ = ms;
        const double share = static_cast<double>(done) / static_cast<double>(total);
        const auto left = static_cast<long long>(share > 0 ? ms * (1 - share) / share / 1000 + 0.5 : 0);
        const QString line = QCoreApplication::translate("Progress", "%1: %2 %, about %3 s left")
                                 .arg(what_)
                                 .arg(static_cast<int>(share * 100))
                                 .arg(left);
        // Its UTF-8 bytes are at least as many as the columns it takes, wide characters too.
        const int width = static_cast<int>(line.toUtf8().size());
        Print(stderr, QLatin1Char('\r') + line + QString(std::max(0, width_ - width), QLatin1Char(' ')));
        std::fflush(stderr);
        width_ = std::max(width_, width);
        return true;
    }

private:
    static constexpr qint64 kQuietMs = 500;
    static constexpr qint64 kEveryMs = 100;
    QString what_;
    bool shown_;
    QElapsedTimer clock_;
    qint64 lastMs_ = 0;
    int width_ = 0;  // the longest line written, wiped at the end
};

}  // namespace tolvane
