#pragma once
// The entities a drawing holds. Angles are in degrees, counter-clockwise from the x axis;
// texts and block names are UTF-8.
#include "cad/drawing/geometry.h"

#include <string>
#include <variant>
#include <vector>

namespace cad {

// Colour numbers of the colour index; 256 and 0 take the colour of the layer or the block.
enum Colour : int {
    kByBlock = 0,
    kRed = 1,
    kYellow = 2,
    kGreen = 3,
    kCyan = 4,
    kBlue = 5,
    kMagenta = 6,
    kWhite = 7,
    kByLayer = 256
};

struct Line {
    Point a, b;

    bool operator==(const Line&) const = default;
};

// Open polyline in the plane z = elevation. A segment may be an arc: bulges[i] is the bulge
// of the segment from vertex i to vertex i + 1 (the tangent of a quarter of its included
// angle, positive counter-clockwise); bulges is empty when every segment is straight.
struct Polyline {
    std::vector<Point> vertices;
    std::vector<double> bulges = {};

    double Bulge(std::size_t segment) const { return segment < bulges.size() ? bulges[segment] : 0; }
    bool HasArcs() const;
    // Same vertices and the same bulge on every segment (a missing bulge being 0).
    bool operator==(const Polyline& other) const;
};

struct Circle {
    Point centre;
    double radius = 0;

    bool operator==(const Circle&) const = default;
};

// Runs counter-clockwise from startAngle to endAngle.
struct Arc {
    Point centre;
    double radius = 0;
    double startAngle = 0;
    double endAngle = 0;

    Point Start() const;
    Point End() const;
    // Whether a direction from the centre lies on the swept part.
    bool Covers(double degrees) const;
    bool operator==(const Arc&) const = default;
};

// Single-line text, left-aligned at its baseline start point.
struct Text {
    Point position;
    double height = 0;
    double rotation = 0;
    std::string text;

    bool operator==(const Text&) const = default;
};

struct Insert {
    std::string block;
    Point position;
    double scaleX = 1;
    double scaleY = 1;
    double rotation = 0;

    bool operator==(const Insert&) const = default;
};

using Shape = std::variant<Line, Polyline, Circle, Arc, Text, Insert>;

struct Entity {
    Shape shape;
    int colour = kByLayer;

    bool operator==(const Entity&) const = default;
};

// Nominal advance of the characters of a text: 0.6 of the height for half-width characters
// (ASCII and half-width katakana), a full height for the others.
double TextWidth(const Text& text);

// The arc a bulged segment runs along from a to b (bulge nonzero).
Arc BulgeArc(Point a, Point b, double bulge);
// The polyline with its arc segments replaced by chords of at most `stepDegrees` each.
Polyline Flattened(const Polyline& polyline, double stepDegrees = 5);

} // namespace cad
