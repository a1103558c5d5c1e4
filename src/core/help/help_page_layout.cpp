#include "help/help_page_layout.h"

#include "common/lumora_error.h"
#include "imageio/picture_file.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/pixel_canvas.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace lumora {

namespace {

enum class Tag
{
    BoldOn,
    BoldOff,
    UnderlineOn,
    UnderlineOff,
    ItalicOn,
    ItalicOff,
    LinkOn,
    LinkOff,
    PictureOn,
    PictureOff,
};

struct TagText
{
    const char16_t* Text;
    Tag Kind;
};

constexpr std::array kTags = {
    TagText{u"<B>", Tag::BoldOn},      TagText{u"</B>", Tag::BoldOff},
    TagText{u"<U>", Tag::UnderlineOn}, TagText{u"</U>", Tag::UnderlineOff},
    TagText{u"<K>", Tag::ItalicOn},    TagText{u"</K>", Tag::ItalicOff},
    TagText{u"<L>", Tag::LinkOn},      TagText{u"</L>", Tag::LinkOff},
    TagText{u"<I>", Tag::PictureOn},   TagText{u"</I>", Tag::PictureOff},
};

// The tag that starts at position i, with its length.
std::optional<Tag> TagAt(const QString& line, qsizetype i, qsizetype& length)
{
    for (const TagText& tag : kTags) {
        const QStringView text(tag.Text);
        if (QStringView(line).mid(i, text.size()) == text) {
            length = text.size();
            return tag.Kind;
        }
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<int64_t>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// The pen never runs past this, whatever sizes a page names.
constexpr int64_t kMaxPenY = int64_t(1) << 24;

int MovedDown(int y, int64_t by)
{
    return static_cast<int>(std::min(static_cast<int64_t>(y) + std::max<int64_t>(by, 0), kMaxPenY));
}

void DrawPicture(const QString& path, TPixelEngine& target, int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    try {
        const Bitmap bitmap = LoadPictureFile(path);
        const TPixelEngine picture(bitmap.Width(), bitmap.Height(), bitmap.ToQImage());
        picture.StretchDrawTo(target, x, y, w, h);
    } catch (const LumoraError&) {
        // A damaged picture leaves its room empty, as a missing one would
        // leave none: the page itself still shows.
    }
}

} // namespace

int HelpWholeNumber(const QString& text)
{
    if (const std::optional<int> value = WholeNumber(text))
        return *value;
    throw LumoraError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
}

HelpPageLayout::HelpPageLayout(const LumoHelpLook& look, int pageWidth, QString folder,
                               TPixelEngine* target, std::vector<HelpLinkArea>& links)
    : look_(look), pageWidth_(pageWidth), folder_(std::move(folder)), target_(target), links_(links)
{
}

void HelpPageLayout::BeginBody(bool hasTitle)
{
    penX_ = hasTitle ? 0 : look_.MarginLeft;
    penY_ = hasTitle ? look_.TitleHeight : 0;
    lineHeight_ = TextHeightOf(QStringLiteral("Test"), look_.Font);
}

void HelpPageLayout::LayOutLine(const QString& line)
{
    if (line.isEmpty()) {
        penY_ = MovedDown(penY_, lineHeight_);
        return;
    }
    lineHeight_ = TextHeightOf(line, look_.Font);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'<' && HandleTagAt(line, i))
            continue;
        CollectCharacter(line[i]);
        if (mode_ == Mode::Text && i + 1 < line.size() && line[i + 1] == u'<')
            FlushWord();
    }
    EndLine();
}

bool HelpPageLayout::HandleTagAt(const QString& line, qsizetype& i)
{
    qsizetype length = 0;
    const std::optional<Tag> tag = TagAt(line, i, length);
    if (!tag)
        return false;
    // Inside a picture text only its end counts, inside a link target only
    // the link's end.
    if (mode_ == Mode::Picture && *tag != Tag::PictureOff)
        return false;
    if (mode_ == Mode::LinkTarget && *tag != Tag::LinkOff)
        return false;
    FlushWord();
    switch (*tag) {
    case Tag::BoldOn:
    case Tag::BoldOff:
        bold_ = *tag == Tag::BoldOn;
        break;
    case Tag::UnderlineOn:
    case Tag::UnderlineOff:
        underline_ = *tag == Tag::UnderlineOn;
        break;
    case Tag::ItalicOn:
    case Tag::ItalicOff:
        italic_ = *tag == Tag::ItalicOn;
        break;
    case Tag::LinkOn:
        OpenLink();
        break;
    case Tag::LinkOff:
        if (inLink_)
            CompleteLink();
        break;
    case Tag::PictureOn:
        mode_ = Mode::Picture;
        pictureText_.clear();
        break;
    case Tag::PictureOff:
        if (mode_ == Mode::Picture)
            CompletePicture();
        break;
    }
    i += length - 1;
    return true;
}

void HelpPageLayout::CollectCharacter(QChar c)
{
    switch (mode_) {
    case Mode::Picture:
        pictureText_ += c;
        return;
    case Mode::LinkTarget:
        linkTarget_ += c;
        return;
    case Mode::Text:
        break;
    }
    if (inLink_ && c == u'|') {
        FlushWord();
        mode_ = Mode::LinkTarget;
        return;
    }
    word_ += c;
    if (c == u' ')
        FlushWord();
}

PixelFont HelpPageLayout::CurrentFont() const
{
    PixelFont font = look_.Font;
    font.Bold = bold_ || inLink_;
    font.Underline = underline_ || inLink_;
    font.Italic = italic_;
    if (inLink_)
        font.Color = look_.ColorLink;
    return font;
}

void HelpPageLayout::FlushWord()
{
    if (word_.isEmpty())
        return;
    const PixelFont font = CurrentFont();
    const int width = TextWidthOf(word_, font);
    // A word wider than the whole line stays on the line it starts, so
    // that it does not leave an empty line above itself.
    if (width + penX_ >= pageWidth_ && penX_ > look_.MarginLeft)
        NewLine();
    if (inLink_ && linkStartPending_) {
        linkStartX_ = penX_;
        linkStartY_ = penY_;
        linkStartPending_ = false;
    }
    if (target_) {
        target_->Font = font;
        target_->TextOut(penX_, penY_, word_);
    }
    penX_ += width;
    word_.clear();
}

void HelpPageLayout::NewLine()
{
    if (inLink_ && !linkStartPending_) {
        // The part of the link on the line being left stays clickable.
        CloseLinkSegment();
        linkStartPending_ = true;
    }
    penX_ = look_.MarginLeft;
    penY_ = MovedDown(penY_, lineHeight_);
}

void HelpPageLayout::OpenLink()
{
    if (inLink_)
        CompleteLink();
    inLink_ = true;
    linkStartPending_ = true;
    linkStartX_ = penX_;
    linkStartY_ = penY_;
    linkTarget_.clear();
    openLinkSegments_.clear();
}

void HelpPageLayout::CloseLinkSegment()
{
    if (penX_ > linkStartX_)
        openLinkSegments_.push_back(
            HelpLinkArea{linkStartX_, linkStartY_, penX_, linkStartY_ + lineHeight_, QString()});
}

void HelpPageLayout::CompleteLink()
{
    if (linkStartPending_) {
        linkStartX_ = penX_;
        linkStartY_ = penY_;
    }
    CloseLinkSegment();
    for (HelpLinkArea& area : openLinkSegments_) {
        area.Target = linkTarget_;
        links_.push_back(area);
    }
    openLinkSegments_.clear();
    inLink_ = false;
    linkStartPending_ = false;
    bold_ = false;
    underline_ = false;
    mode_ = Mode::Text;
}

void HelpPageLayout::CompletePicture()
{
    mode_ = Mode::Text;
    const QStringList parts = pictureText_.split(u'|');
    int width = 0;
    int height = 0;
    if (target_) {
        width = HelpWholeNumber(parts.value(1));
        height = HelpWholeNumber(parts.value(2));
    } else {
        const std::optional<int> w = WholeNumber(parts.value(1));
        const std::optional<int> h = WholeNumber(parts.value(2));
        if (!w || !h)
            return; // drawing stops here with the conversion error
        width = *w;
        height = *h;
    }
    QString file = parts.value(0);
    file.replace(u'\\', u'/');
    const QString path = folder_ + QStringLiteral("images/") + file;
    if (file.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (target_)
        DrawPicture(path, *target_, penX_, penY_, width, height);
    penX_ = look_.MarginLeft;
    penY_ = MovedDown(penY_, static_cast<int64_t>(std::max(height, 0)) + look_.TxtImgDistance);
}

void HelpPageLayout::EndLine()
{
    FlushWord();
    if (inLink_)
        CompleteLink();
    bold_ = false;
    underline_ = false;
    italic_ = false;
    mode_ = Mode::Text;
    pictureText_.clear();
    penX_ = look_.MarginLeft;
    penY_ = MovedDown(penY_, lineHeight_);
}

} // namespace lumora
