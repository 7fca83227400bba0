// Test helper: fills SVG path data (M, L, C, Z with the non-zero rule) into a pixel mask, and compares masks.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Inked pixels as (x, y) of their top-left corners.
using PixelSet = std::set<std::pair<int, int>>;

struct Edge {
    double x0, y0, x1, y1;
};

// The edges of the path's subpaths, each closed as a fill closes it; curves flattened.
inline std::vector<Edge> PathEdges(const std::string& data)
{
    std::vector<Edge> edges;
    double startX = 0, startY = 0, x = 0, y = 0;
    bool open = false;
    size_t pos = 0;
    auto number = [&]() {
        while (pos < data.size() && (data[pos] == ' ' || data[pos] == ','))
            ++pos;
        char* end = nullptr;
        double value = std::strtod(data.c_str() + pos, &end);
        pos = static_cast<size_t>(end - data.c_str());
        return value;
    };
    auto close = [&]() {
        if (open && (x != startX || y != startY))
            edges.push_back({x, y, startX, startY});
        open = false;
    };
    while (pos < data.size()) {
        char command = data[pos++];
        if (command == 'M') {
            close();
            startX = x = number();
            startY = y = number();
            open = true;
        } else if (command == 'L') {
            double nx = number(), ny = number();
            edges.push_back({x, y, nx, ny});
            x = nx;
            y = ny;
        } else if (command == 'C') {
            double c1x = number(), c1y = number(), c2x = number(), c2y = number(), ex = number(), ey = number();
            const int steps = 32;
            for (int i = 1; i <= steps; ++i) {
                double t = double(i) / steps, u = 1 - t;
                double nx = u * u * u * x + 3 * u * u * t * c1x + 3 * u * t * t * c2x + t * t * t * ex;
                double ny = u * u * u * y + 3 * u * u * t * c1y + 3 * u * t * t * c2y + t * t * t * ey;
                edges.push_back({i == 1 ? x : edges.back().x1, i == 1 ? y : edges.back().y1, nx, ny});
            }
            x = ex;
            y = ey;
        } else if (command == 'Z') {
            close();
            x = startX;
            y = startY;
        }
    }
    close();
    return edges;
}

// Pixels whose centres the path covers by the non-zero winding rule, within [low, high) both ways.
inline PixelSet FillPath(const std::string& data, int low, int high)
{
    std::vector<Edge> edges = PathEdges(data);
    PixelSet inked;
    for (int row = low; row < high; ++row) {
        const double yc = row + 0.5;
        std::vector<std::pair<double, int>> crossings;
        for (const Edge& e : edges) {
            if ((e.y0 <= yc && yc < e.y1) || (e.y1 <= yc && yc < e.y0)) {
                double x = e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0);
                crossings.push_back({x, e.y1 > e.y0 ? 1 : -1});
            }
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            if (winding == 0)
                continue;
            for (int column = static_cast<int>(std::ceil(crossings[i].first - 0.5));
                 column + 0.5 < crossings[i + 1].first; ++column) {
                if (column >= low && column < high)
                    inked.insert({column, row});
            }
        }
    }
    return inked;
}

inline void Bounds(const PixelSet& pixels, double& centreX, double& centreY)
{
    int minX = 1 << 30, minY = 1 << 30, maxX = -(1 << 30), maxY = -(1 << 30);
    for (auto [x, y] : pixels) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    centreX = (minX + maxX) / 2.0;
    centreY = (minY + maxY) / 2.0;
}

// Intersection over union after moving `reference` so that the centres of both ink boxes meet.
inline double AlignedOverlap(const PixelSet& drawn, const PixelSet& reference)
{
    if (drawn.empty() || reference.empty())
        return 0;
    double dx, dy, rx, ry;
    Bounds(drawn, dx, dy);
    Bounds(reference, rx, ry);
    const int shiftX = static_cast<int>(std::lround(dx - rx));
    const int shiftY = static_cast<int>(std::lround(dy - ry));
    size_t both = 0;
    for (auto [x, y] : reference)
        both += drawn.count({x + shiftX, y + shiftY});
    return double(both) / double(drawn.size() + reference.size() - both);
}
