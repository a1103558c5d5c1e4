#include "models/text3d.h"

#include "stream/windows1252.h"

#include <GL/glu.h>

#include <QFont>
#include <QPainterPath>
#include <QRawFont>

#include <deque>

namespace lumora {

namespace {

using GluCallback = void (*)();

// Collects the triangles the tessellator emits; the edge-flag callback makes
// it emit separate triangles only.
struct TessellationResult
{
    std::vector<std::array<Vec3, 3>> triangles;
    std::vector<Vec3> pending;
    std::deque<std::array<GLdouble, 3>> created; // vertices made by the combine step
    bool failed = false;
};

void OnBegin(GLenum, void*) {}
void OnEdgeFlag(GLboolean, void*) {}
void OnEnd(void*) {}

void OnVertex(void* vertex, void* data)
{
    auto* result = static_cast<TessellationResult*>(data);
    const auto* v = static_cast<const GLdouble*>(vertex);
    result->pending.push_back({float(v[0]), float(v[1]), float(v[2])});
    if (result->pending.size() == 3) {
        result->triangles.push_back({result->pending[0], result->pending[1], result->pending[2]});
        result->pending.clear();
    }
}

void OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data)
{
    auto* result = static_cast<TessellationResult*>(data);
    result->created.push_back({coords[0], coords[1], coords[2]});
    *out = result->created.back().data();
}

void OnError(GLenum, void* data)
{
    static_cast<TessellationResult*>(data)->failed = true;
}

struct TessDeleter
{
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

} // namespace

std::vector<std::array<Vec3, 3>> TessellateOutlines(const std::vector<std::vector<Vec3>>& contours)
{
    TessellationResult result;
    std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (!tess)
        return {};
    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, reinterpret_cast<GluCallback>(&OnBegin));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, reinterpret_cast<GluCallback>(&OnVertex));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA, reinterpret_cast<GluCallback>(&OnEnd));
    gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA,
                    reinterpret_cast<GluCallback>(&OnEdgeFlag));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, reinterpret_cast<GluCallback>(&OnCombine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, reinterpret_cast<GluCallback>(&OnError));
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessNormal(tess.get(), 0, 0, 1);

    std::deque<std::array<GLdouble, 3>> input;
    gluTessBeginPolygon(tess.get(), &result);
    for (const std::vector<Vec3>& contour : contours) {
        if (contour.size() < 3)
            continue;
        gluTessBeginContour(tess.get());
        for (const Vec3& p : contour) {
            input.push_back({p.x, p.y, p.z});
            gluTessVertex(tess.get(), input.back().data(), input.back().data());
        }
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
    if (result.failed)
        return {};
    return result.triangles;
}

// The font at a pixel size of one em in font design units, so that the
// flattened outlines keep within about one design unit of the curves.
struct Text3D::FontOutlines
{
    QRawFont raw;
    double unitsPerEm = 1;
};

Text3D::Text3D() = default;
Text3D::~Text3D() = default;

void Text3D::Text_laden(const QString& text, const Text3DFont& font, double extrusion)
{
    text_ = text;
    if (text.isEmpty())
        return;
    if (built_ && font == font_ && extrusion == extrusion_)
        return;
    ClearGlyphs();
    font_ = font;
    extrusion_ = extrusion;

    QFont qfont(font.FontName);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    qfont.setStrikeOut(font.StrikeOut);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::ForceOutline);
    qfont.setPixelSize(1000);
    outlines_ = std::make_unique<FontOutlines>();
    outlines_->raw = QRawFont::fromFont(qfont);
    if (outlines_->raw.isValid()) {
        outlines_->unitsPerEm = std::max(1.0, double(outlines_->raw.unitsPerEm()));
        outlines_->raw.setPixelSize(outlines_->unitsPerEm);
    }
    built_ = true;
}

void Text3D::SetText(const QString& text)
{
    text_ = text;
}

void Text3D::ClearGlyphs()
{
    built_ = false;
    outlines_.reset();
    for (auto& g : glyphs_)
        g.reset();
}

const GlyphModel& Text3D::Glyph(uint8_t code) const
{
    std::optional<GlyphModel>& slot = glyphs_[code];
    if (slot)
        return *slot;
    slot.emplace();
    if (!built_ || !outlines_ || !outlines_->raw.isValid())
        return *slot;

    const QString character = FromWindows1252(&code, 1);
    const QList<quint32> indexes = outlines_->raw.glyphIndexesForString(character);
    if (indexes.isEmpty())
        return *slot;
    const double unit = 1.0 / outlines_->unitsPerEm;
    const QList<QPointF> advances = outlines_->raw.advancesForGlyphIndexes(indexes);
    slot->Advance = advances.isEmpty() ? 0.0 : advances.front().x() * unit;

    // Font outlines run with y downward; the model's y points up.
    const QPainterPath path = outlines_->raw.pathForGlyph(indexes.front());
    std::vector<std::vector<Vec3>> contours;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        std::vector<Vec3> contour;
        for (const QPointF& p : polygon) {
            const Vec3 v{float(p.x() * unit), float(-p.y() * unit), 0.0f};
            if (contour.empty() || !(contour.back() == v))
                contour.push_back(v);
        }
        while (contour.size() > 1 && contour.back() == contour.front())
            contour.pop_back();
        if (contour.size() >= 3)
            contours.push_back(std::move(contour));
    }

    const float back = float(-extrusion_);
    for (const auto& t : TessellateOutlines(contours)) {
        slot->Triangles.push_back({{t[0], t[1], t[2]}});
        if (extrusion_ > 0) {
            Triangle b{{t[0], t[2], t[1]}};
            for (Vec3& v : b.v)
                v.z = back;
            slot->Triangles.push_back(b);
        }
    }
    if (extrusion_ > 0) {
        for (const std::vector<Vec3>& contour : contours)
            for (size_t i = 0; i < contour.size(); ++i) {
                const Vec3 a = contour[i];
                const Vec3 b = contour[(i + 1) % contour.size()];
                const Vec3 a2{a.x, a.y, back};
                const Vec3 b2{b.x, b.y, back};
                slot->Triangles.push_back({{a, b, b2}});
                slot->Triangles.push_back({{a, b2, a2}});
            }
    }
    return *slot;
}

std::vector<Triangle> Text3D::LayoutTriangles() const
{
    std::vector<Triangle> out;
    if (text_.isEmpty() || !built_)
        return out;
    const QByteArray bytes = ToWindows1252(text_);
    double pen = 0;
    for (char c : bytes) {
        const GlyphModel& glyph = Glyph(static_cast<uint8_t>(c));
        for (Triangle t : glyph.Triangles) {
            for (Vec3& v : t.v)
                v.x = float(v.x + pen);
            out.push_back(t);
        }
        pen += glyph.Advance;
    }
    return out;
}

} // namespace lumora
