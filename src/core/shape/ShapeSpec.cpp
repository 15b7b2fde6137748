// Making the built-in shapes.
#include "core/shape/ShapeSpec.h"

#include "core/shape/Circle.h"
#include "core/shape/Polygons.h"

namespace tolvane {

SizeRange RangeOf(ShapeKind kind) { return {InfoOf(kind).least, InfoOf(kind).most}; }

bool InRange(const ShapeSpec& spec)
{
    const int height = InfoOf(spec.kind).twoSides ? spec.size.height : spec.size.width;
    return SizeFits(spec.kind, spec.size.width, height);
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
