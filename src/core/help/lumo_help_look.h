#pragma once
// The colours, metrics and font of a help page control. A new control has
// the plain defaults below; the help window sets its own look
// (HelpWindowLook).

#include "rendering/pixel_font.h"

#include <QString>

namespace lumora {

struct LumoHelpLook
{
    Colour ColorBack = 0xFFFFFF;      // page body
    Colour ColorLink = 0xFF0000;      // link text
    Colour ColorTitleBack = 12632256; // title band
    Colour ColorTitleLine = 8421504;  // 2-pixel line under the title band
    Colour ColorTitleFont = 0x800000; // title text
    int TitleHeight = 20;
    int TxtImgDistance = 2; // gap below a picture
    int MarginLeft = 2;     // left edge of wrapped and new lines
    QString NoneText = QStringLiteral("None");
    // The body font; its colour is the text colour. Arial 12 pixels high.
    PixelFont Font = BodyFont();

    static PixelFont BodyFont()
    {
        PixelFont font;
        font.Name = QStringLiteral("Arial");
        font.CellHeight = -12;
        font.Color = 0;
        return font;
    }
};

// The look the help window gives its page control.
inline LumoHelpLook HelpWindowLook()
{
    LumoHelpLook look;
    look.ColorBack = 15263460;
    look.ColorLink = 10511420;
    look.ColorTitleBack = 15263460;
    look.ColorTitleLine = 8421504;
    look.ColorTitleFont = 4210752;
    return look;
}

} // namespace lumora
