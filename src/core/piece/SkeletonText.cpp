// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/SkeletonText.h"

#include <cstdio>

namespace gw {

std::string MakeSkeletonText(const LatticeShape& shape) {
    const int n = shape.verticesPerSide;
    const int cells = n - 1;
    const long vertexCount = static_cast<long>(n) * n;
    const long faceCount = 2L * cells * cells;
    std::string text;
    text.reserve(static_cast<std::size_t>(vertexCount) * 64 + static_cast<std::size_t>(faceCount) * 64);
    char line[160];
    auto put = [&](int length) { text.append(line, static_cast<std::size_t>(length)); };

    text += "Ambient light color: Red=0.3 Green=0.3 Blue=0.3\r\n\r\n";
    put(std::snprintf(line, sizeof line, "Tri-mesh, Vertices: %ld     Faces: %ld\r\n", vertexCount, faceCount));
    text += "Vertex list:\r\n";
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const long index = static_cast<long>(j) * n + i;
            put(std::snprintf(line, sizeof line, "Vertex %ld:  X: %.6f     Y: %.6f     Z: 0.000000\r\n", index,
                              shape.origin + i * shape.spacing, shape.origin + j * shape.spacing));
        }
    }
    text += "Face list:\r\n";
    long face = 0;
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            const long a = static_cast<long>(j) * n + i;  // lower left of the cell
            const long b = a + 1;                         // lower right
            const long c = a + n + 1;                     // upper right
            const long d = a + n;                         // upper left
            put(std::snprintf(line, sizeof line, "Face %ld:    A:%ld B:%ld C:%ld AB:1 BC:1 CA:0\r\n", face++, a, b, c));
            text += "Smoothing:  1\r\n";
            put(std::snprintf(line, sizeof line, "Face %ld:    A:%ld B:%ld C:%ld AB:0 BC:1 CA:1\r\n", face++, a, c, d));
            text += "Smoothing:  1\r\n";
        }
    }
    return text;
}

}  // namespace gw
