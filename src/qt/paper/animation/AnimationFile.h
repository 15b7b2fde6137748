// Writes a watched maze (its build, a search, its route) as an animated GIF or WebP, all or nothing.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "core/render/Geometry.h"
#include "core/shape/ShapeMaze.h"
#include "core/watch/Animated.h"
#include "core/watch/Watch.h"
#include "qt/paper/Progress.h"

namespace tolvane {

enum class AnimationFormat { Gif, Webp };

// The format a file name's extension asks for (.gif, .webp), in any case.
std::optional<AnimationFormat> AnimationFormatOf(const QString& path);

// Bounds for big mazes: a picture of at most kLargestAnimationSide pixels a side; at most
// kMostFrames frames, a frame playing as many steps as that needs; at most
// kLargestAnimationBytes in the file.
inline constexpr int kLargestAnimationSide = 2048;
inline constexpr int kMostFrames = 2000;
inline constexpr qint64 kLargestAnimationBytes = 64LL << 20;
// A frame lasts at least this long: viewers show shorter GIF frames slower, not faster.
inline constexpr int kShortestFrameMs = 20;
inline constexpr int kDefaultPaceMs = 50;  // the window's replay: a cell every 50 ms
inline constexpr int kSlowestPaceMs = 1000;
// A frame lasts at most a second, so that the steps keep moving.
inline constexpr int kLongestFrameMs = 1000;
// An animation lasts at most a minute unless asked for another length (--duration): the steps of
// a big maze are played faster to fit, as many a frame as that needs.
inline constexpr int kDefaultAnimationSeconds = 60;
inline constexpr int kShortestAnimationSeconds = 10;
inline constexpr int kLongestAnimationSeconds = 1800;

// Where the cells lie on an animation's picture: the window's picture for every maze whose
// cells there are at least kPaperCell pixels (so that the last frame is the picture Save
// writes), otherwise 4 pixels a cell, or 2 where 4 would pass kLargestAnimationSide.
struct AnimationCanvas {
    CellGeometry geometry;
    int side;
};
AnimationCanvas AnimationCanvasFor(MazeSize size);

// How the steps become frames: `stepsPerFrame` steps a frame, each frame `frameMs` long. A step
// every `paceMs` while the whole animation, its pauses at the start and the end included, lasts
// at most `seconds`; beyond that the steps are played faster. A frame lasts 20 ms to a second.
struct AnimationPace {
    int stepsPerFrame;
    int frameMs;
};
AnimationPace PaceFor(std::size_t steps, int paceMs, int seconds = kDefaultAnimationSeconds);

// How the frames are painted: as the window paints its picture (the rectangle), or as a PNG file
// of a shape is painted, so that the last frame is that file's picture.
enum class AnimationPixels { Window, File };

// Plays every step of `player` into frames of `size` pixels, a step every `paceMs`
// milliseconds (faster where PaceFor needs), and writes them to `path`: the picture before the
// first step held half a second, the finished picture (exactly what DrawLast draws) held three. The file appears only
// when complete. Returns the reason of a failure, or nothing.
// `progress`, when given, hears of every frame and may stop the work (nothing is written then).
std::optional<QString> WriteAnimation(const QString& path, Animated& player, QSize size, int paceMs,
                                      AnimationPixels pixels = AnimationPixels::Window, int seconds = kDefaultAnimationSeconds,
                                      Progress* progress = nullptr);

// Plays `steps` of `kind` on a maze of another shape drawn as its PNG is (ShapePngUnit pixels
// a cell), so that the last frame is that PNG's picture, and writes them as WriteAnimation does.
std::optional<QString> WriteShapeAnimation(const QString& path, const ShapeMaze& maze, WatchKind kind,
                                           std::vector<StepEvent> steps, int paceMs, int seconds = kDefaultAnimationSeconds,
                                           Progress* progress = nullptr);

}  // namespace tolvane
