#pragma once
// One clickable area of a laid-out help page: a rectangle in page pixels
// (right and bottom exclusive) and the page file it leads to, relative to
// the page's folder.

#include <QString>

namespace lumora {

struct HelpLinkArea
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    QString Target;

    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const HelpLinkArea&) const = default;
};

} // namespace lumora
