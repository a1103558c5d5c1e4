#pragma once
// Tool_dm_PlugIn (kind 17): the drawing of a plug-in script in the depth
// map. The object keeps its own copy of the script, so a project does not
// need the plug-in file once the object exists. The script runs at the
// size the object is drawn at: in the editor at its editor size, in the
// render at its size in project pixels.
//
// A script error while drawing throws LumoraError with the interpreter's
// text; the object stays as it is.

#include "depthmap/tool_dm.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace lumora {

class DepthKindRegistry;
struct IntRect;

class Tool_dm_PlugIn : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 17;
    static constexpr int32_t MaxImageNumber = 100000;

    Tool_dm_PlugIn() : Tool_dm_PlugIn(0, 0, 0, 0, 0, QStringList(), QStringList()) {}
    Tool_dm_PlugIn(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                   const QStringList& description, const QStringList& script);

    QStringList Script;
    QStringList Description;
    int32_t ImageNumber = 0; // NUM of the script
    QString PlugInName;
    QString Author;
    QString Country;
    QString EMail;
    QString Internet;

    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    // The script draws only inside both clipRect and the object's rectangle.
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

private:
    void RunScript(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h,
                   const Box* limit) const;
};

// The plug-in kind, for the project reader.
void RegisterPlugInKinds(DepthKindRegistry& registry);

// A plug-in object made from a plug-in file, as the dialog makes it (its
// description starts with an empty line, its name is the kind's default
// name key). Throws LumoraError when the file
// cannot be read, is damaged, is no plug-in or has no script.
std::unique_ptr<Tool_dm_PlugIn> MakePlugInObject(const QString& fileName, int32_t id,
                                                 const IntRect& rect, int32_t imageNumber);

// Draws a plug-in file into rect of target with the image number, as a
// plug-in object there would (command-line use). Throws LumoraError for a
// file that cannot be used and for a script error.
void RenderPlugInFile(const QString& fileName, int32_t imageNumber, TPixelEngine256& target,
                      const IntRect& rect);

} // namespace lumora
