// Making the built-in shapes.
#include "core/shape/ShapeChoice.h"

#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"

namespace tolvane {

SizeRange RangeOf(ShapeKind kind) { return {InfoOf(kind).least, InfoOf(kind).most}; }

bool InRange(const ShapeChoice& asked)
{
    const int height = InfoOf(asked.kind).twoSides ? asked.size.height : asked.size.width;
    return SizeFits(asked.kind, asked.size.width, height);
}

std::optional<Shape> MakeShape(const ShapeChoice& asked)
{
    switch (asked.kind) {
    case ShapeKind::Rectangle:
        return RectangleShape(asked.size);
    case ShapeKind::Circle:
        return CircleShape(asked.size.width);
    case ShapeKind::Hexagon:
        return HexagonShape(asked.size.width);
    case ShapeKind::HexagonRectangle:
        return HexagonRectangleShape(asked.size);
    case ShapeKind::Triangle:
        return TriangleShape(asked.size.width);
    case ShapeKind::TriangleRectangle:
        return TriangleRectangleShape(asked.size);
    case ShapeKind::Outline:
        break;
    }
    return std::nullopt;
}

}  // namespace tolvane
