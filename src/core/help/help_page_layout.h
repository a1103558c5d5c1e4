#pragma once
// HelpPageLayout: lays out the body lines of a help page with word
// wrapping, the inline tags, the links and the pictures. The same walk
// measures the page (no target) and draws it (into a TPixelEngine), so the
// page height computed before drawing is exactly the height drawn.
//
// Tags (upper case, exact): <B></B> bold, <U></U> underlined, <K></K>
// italic, <L>text|target</L> a link, <I>file|width|height</I> a picture
// from the folder "images" beside the page. Every style ends at the end of
// its line; an open link is completed there.

#include "help/help_link_area.h"
#include "help/lumo_help_look.h"

#include <QString>
#include <vector>

namespace lumora {

class TPixelEngine;

class HelpPageLayout
{
public:
    // folder: the page's folder with a trailing separator. target: the
    // picture to draw into, or null to measure only. Completed link areas
    // are appended to links.
    HelpPageLayout(const LumoHelpLook& look, int pageWidth, QString folder, TPixelEngine* target,
                   std::vector<HelpLinkArea>& links);

    // Pen and line height for the first body line: below the title band
    // at x 0, or at the top at the left margin for a page without title.
    void BeginBody(bool hasTitle);
    // Lays out one body line and moves the pen to the start of the next.
    // When drawing, a picture size that is no whole number throws
    // LumoraError ("'%s' is not a valid integer value"); what was drawn
    // and the links completed so far stay.
    void LayOutLine(const QString& line);

    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

private:
    enum class Mode
    {
        Text,
        LinkTarget,
        Picture,
    };

    bool HandleTagAt(const QString& line, qsizetype& i);
    void CollectCharacter(QChar c);
    void FlushWord();
    void NewLine();
    void OpenLink();
    void CloseLinkSegment();
    void CompleteLink();
    void CompletePicture();
    void EndLine();
    PixelFont CurrentFont() const;

    const LumoHelpLook& look_;
    int pageWidth_;
    QString folder_;
    TPixelEngine* target_;
    std::vector<HelpLinkArea>& links_;

    int penX_ = 0;
    int penY_ = 0;
    int lineHeight_ = 0;

    bool bold_ = false;
    bool underline_ = false;
    bool italic_ = false;
    Mode mode_ = Mode::Text;
    QString word_;

    bool inLink_ = false;
    bool linkStartPending_ = false;
    int linkStartX_ = 0;
    int linkStartY_ = 0;
    QString linkTarget_;
    std::vector<HelpLinkArea> openLinkSegments_;

    QString pictureText_;
};

// The whole number a picture size names: optional leading blanks, an
// optional sign and decimal digits within the int range. Throws
// LumoraError "'text' is not a valid integer value" otherwise.
int HelpWholeNumber(const QString& text);

} // namespace lumora
