// Making the built-in shapes.
#include "core/shape/ShapeSpec.h"

#include "core/shape/Circle.h"
#include "core/shape/Polygons.h"

namespace tolvane {

SizeRange RangeOf(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Circle:
        return {kFewestRings, kMostRings};
    case ShapeKind::Hexagon:
        return {2, 600};  // about as many cells as a 1001 x 1001 rectangle
    case ShapeKind::Triangle:
        return {2, 1001};
    case ShapeKind::Outline:
        return {5, 200};
    case ShapeKind::Rectangle:
    case ShapeKind::HexagonRectangle:
    case ShapeKind::TriangleRectangle:
        break;
    }
    return {kMinSide, kMaxSide};
}

bool InRange(const ShapeSpec& spec)
{
    const SizeRange r = RangeOf(spec.kind);
    const auto in = [r](int side) { return side >= r.least && side <= r.most; };
    switch (spec.kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::HexagonRectangle:
    case ShapeKind::TriangleRectangle:
        return in(spec.size.width) && in(spec.size.height);
    default:
        return in(spec.size.width);
    }
}

std::optional<Shape> MakeShape(const ShapeSpec& spec)
{
    switch (spec.kind) {
    case ShapeKind::Rectangle:
        return RectangleShape(spec.size);
    case ShapeKind::Circle:
        return CircleShape(spec.size.width);
    case ShapeKind::Hexagon:
        return HexagonShape(spec.size.width);
    case ShapeKind::HexagonRectangle:
        return HexagonRectangleShape(spec.size);
    case ShapeKind::Triangle:
        return TriangleShape(spec.size.width);
    case ShapeKind::TriangleRectangle:
        return TriangleRectangleShape(spec.size);
    case ShapeKind::Outline:
        break;
    }
    return std::nullopt;
}

}  // namespace tolvane
