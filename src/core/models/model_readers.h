#pragma once
// Readers of the model files the 3D dialog opens. Each builds a fresh
// Model3D; the caller replaces its model with the result. A reader that
// answers no model (a DXF file without 3DFACE, an unknown extension) leaves
// the caller's model as it was. Damaged input raises LumoraError with the
// text the user sees.

#include "models/model3d.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Receives the progress label of a reader: the key of the language file
// section "Anzeigen" ("3DLaden_1" .. "3DLaden_8"), and the end of the work.
class ModelLoadProgress
{
public:
    virtual ~ModelLoadProgress() = default;
    virtual void ShowStep(const char* key) = 0;
    virtual void Hide() = 0;
};

// Shows steps on an optional progress sink and hides it on every exit path.
class ProgressLabel
{
public:
    explicit ProgressLabel(ModelLoadProgress* sink) : sink_(sink) {}
    ~ProgressLabel()
    {
        if (sink_)
            sink_->Hide();
    }
    ProgressLabel(const ProgressLabel&) = delete;
    ProgressLabel& operator=(const ProgressLabel&) = delete;
    void Show(const char* key)
    {
        if (sink_)
            sink_->ShowStep(key);
    }

private:
    ModelLoadProgress* sink_;
};

// Readers of the file contents (the file-name forms read the file first).
std::optional<Model3D> ParseDXF(std::string_view text, ModelLoadProgress* progress = nullptr);
Model3D ParseL3M(std::string_view text, ModelLoadProgress* progress = nullptr);
Model3D ParseRPL(std::string_view text, ModelLoadProgress* progress = nullptr);
Model3D ParseASC(std::string_view text, ModelLoadProgress* progress = nullptr);
Model3D Parse3DS(std::string_view bytes, ModelLoadProgress* progress = nullptr);

// The L3M text a Real 3D export converts to (exposed for tests).
std::string ConvertRPLToL3M(std::string_view text);

std::optional<Model3D> LoadDXF(const QString& fileName, ModelLoadProgress* progress = nullptr);
Model3D LoadL3M(const QString& fileName, ModelLoadProgress* progress = nullptr);
Model3D LoadRPL(const QString& fileName, ModelLoadProgress* progress = nullptr);
Model3D LoadASC(const QString& fileName, ModelLoadProgress* progress = nullptr);
Model3D Load3DS(const QString& fileName, ModelLoadProgress* progress = nullptr);

// Chooses the reader by the extension (.dxf, .3ds, .asc, .rpl, .l3m, any
// case); another extension reads nothing.
std::optional<Model3D> LoadModelFile(const QString& fileName,
                                     ModelLoadProgress* progress = nullptr);

// The filter of the model open dialog.
QString ModelFileFilter();

} // namespace lumora
