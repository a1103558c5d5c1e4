#include "models/tool_3d_dialog_model.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_objects.h"
#include "models/tool_dm_3d.h"
#include "rendering/lumo_pixelengine256.h"

#include <QDir>
#include <QFileInfo>

namespace lumora {

namespace {

const QString kTitles = QStringLiteral("3DBezeichnung");

} // namespace

const std::array<PrimitiveInfo, 9>& Primitives()
{
    static const std::array<PrimitiveInfo, 9> table = {{
        {1, "Cube", "Cube.dxf", 10},
        {2, "Sphere", "Sphere.dxf", 10},
        {3, "Torus", "Torus.dxf", 20},
        {4, "Cone", "Cone.dxf", 20},
        {5, "Tetrahedron", "Tetrahedron.dxf", 20},
        {6, "Octahedron", "Octahedron.dxf", 20},
        {7, "Dodecahedron", "Dodecahedron.dxf", 20},
        {8, "Icosahedron", "Icosahedron.dxf", 20},
        {9, "Teapot", "teapot.3ds", 150},
    }};
    return table;
}

Tool3DDialogModel::Tool3DDialogModel(Tool3DDialogUi& ui, const QString& dataFolder)
    : ui_(ui), dataFolder_(dataFolder)
{
}

void Tool3DDialogModel::ShowGroup(Tool3DDialogUi::Group group)
{
    Scene.ShowText = group == Tool3DDialogUi::Group::Text;
    ui_.ShowOnlyGroup(group);
}

bool Tool3DDialogModel::Model_laden(QString fileName)
{
    if (!QFileInfo::exists(fileName)) {
        const QString project = ui_.ProjectFileName();
        if (project.isEmpty())
            return false;
        const QString besideProject =
            QFileInfo(project).dir().filePath(QFileInfo(fileName).fileName());
        if (QFileInfo::exists(besideProject))
            fileName = besideProject;
        else if (!ui_.FileSearch(fileName, ModelFileFilter()))
            return false;
    }
    ModelFileName = fileName;

    std::optional<Model3D> model;
    try {
        model = LoadModelFile(fileName, ui_.Progress());
    } catch (const LumoraError& error) {
        // The reader had started afresh: the view is reset and shows nothing.
        Scene.ClearLists(true);
        ui_.ShowError(QString::fromStdString(error.what()));
        ui_.Repaint();
        return false;
    }
    if (!model)
        return false;

    Scene.ClearLists(true);
    Scene.Model = std::move(*model);
    if (Scene.Model.Extent != 0)
        Scene.View.SetScaleValue(double(Round(Scene.Model.Extent)));
    else
        Scene.View.SetScaleValue(10);
    ui_.Repaint();
    ui_.SetOkVisible(true);
    ui_.SetSaveAsImageVisible(true);
    ui_.SetViewTitle(QFileInfo(fileName).fileName());
    return true;
}

bool Tool3DDialogModel::LoadPrimitive(int number)
{
    if (number < 1 || number > int(Primitives().size()))
        return false;
    const PrimitiveInfo& primitive = Primitives()[size_t(number - 1)];
    const QString path = QDir(dataFolder_).filePath(primitive.FileName);
    // A primitive is part of the installation: it is not searched for.
    if (!QFileInfo::exists(path)) {
        ui_.ShowError(QStringLiteral("The 3D primitive \"%1\" is missing.").arg(path));
        return false;
    }
    if (!Model_laden(path))
        return false;
    PrimitiveNumber = number;
    Scene.View.SetScaleValue(primitive.ScaleValue);
    ui_.SetViewTitle(ui_.LanguageText(kTitles, primitive.Hint));
    ui_.Repaint();
    return true;
}

void Tool3DDialogModel::SetText(const QString& text)
{
    TextBox = text;
    Scene.Text.SetText(text);
    ui_.Repaint();
}

void Tool3DDialogModel::SetExtrusion(int position)
{
    Scene.SetExtrusionPosition(position);
    ui_.Repaint();
}

void Tool3DDialogModel::FontDialogClosed(const QString* fontName, const bool* bold,
                                         const bool* italic)
{
    Text3DFont font = Scene.Font;
    if (fontName)
        font.FontName = *fontName;
    if (bold)
        font.Bold = *bold;
    if (italic)
        font.Italic = *italic;
    Scene.SetFont(font);
    Scene.Text_laden(TextBox);
    ui_.Repaint();
}

QString Tool3DDialogModel::TextTitle() const
{
    return ui_.LanguageText(kTitles, "Text");
}

QString Tool3DDialogModel::ChooseFont(const QString& wanted) const
{
    const QStringList fonts = ui_.InstalledFonts();
    if (fonts.contains(wanted))
        return wanted;
    if (fonts.contains(QStringLiteral("Arial")))
        return QStringLiteral("Arial");
    return fonts.isEmpty() ? QStringLiteral("Arial") : fonts.front();
}

bool Tool3DDialogModel::Create_via_Form(int32_t x, int32_t y, int32_t w, int32_t h, int32_t kind,
                                        DepthObjects& objects)
{
    if (kind < Tool_dm_3d_primitive::KindCode || kind > Tool_dm_3d_text::KindCode)
        return false;
    ui_.SetOkVisible(false);
    ui_.SetSaveAsImageVisible(false);
    Transparent = true;
    Scene.View.SetStartDepthPosition(30);
    Scene.View.SetEndDepthPosition(50);
    Scene.View.SetScaleValue(10);
    ui_.SetViewTitle(QString());

    if (kind == Tool_dm_3d_primitive::KindCode) {
        ShowGroup(Tool3DDialogUi::Group::Primitives);
        Scene.ClearLists(true);
        ui_.SetPressedPrimitive(0);
        PrimitiveNumber = 0;
    } else if (kind == Tool_dm_3d_model::KindCode) {
        ShowGroup(Tool3DDialogUi::Group::Model);
        Scene.ClearLists(true);
        ModelFileName.clear();
    } else {
        Scene.ClearLists(true);
        Scene.View.SetScaleValue(0.7);
        Scene.View.ModelMatrix = Scene.View.ModelMatrix * Matrix4::Translation(-0.95f, 0, 0);
        Scene.View.ModelMatrix = Scene.View.ModelMatrix * Matrix4::Translation(0, -0.2f, 0);
        ShowGroup(Tool3DDialogUi::Group::Text);
        Scene.Font = Text3DFont{};
        ui_.SetSaveAsImageVisible(true);
        ui_.SetOkVisible(true);
        Scene.SetExtrusionPosition(50);
        TextBox = TextTitle();
        Scene.Text_laden(TextBox);
        ui_.SetViewTitle(TextBox);
    }

    if (ui_.ShowModal() != 1)
        return false;
    // "OK" shows only once something is loaded; a model without a load
    // would be an empty picture.
    if ((kind == Tool_dm_3d_primitive::KindCode && PrimitiveNumber == 0) ||
        (kind == Tool_dm_3d_model::KindCode && ModelFileName.isEmpty()))
        return false;

    const std::unique_ptr<TPixelEngine256> picture = ToPixelEngine(Paint_final());
    const int32_t id = objects.NewObjectId();
    std::unique_ptr<Tool_dm_3d> object;
    if (kind == Tool_dm_3d_primitive::KindCode) {
        auto primitive = std::make_unique<Tool_dm_3d_primitive>(id, x, y, w, h, picture.get());
        primitive->PrimitiveNumber = PrimitiveNumber;
        object = std::move(primitive);
    } else if (kind == Tool_dm_3d_model::KindCode) {
        auto model = std::make_unique<Tool_dm_3d_model>(id, x, y, w, h, picture.get());
        model->ModelFileName = ModelFileName;
        object = std::move(model);
    } else {
        auto text = std::make_unique<Tool_dm_3d_text>(id, x, y, w, h, picture.get());
        text->Text = TextBox;
        text->FontName = Scene.Font.FontName;
        text->Bold = Scene.Font.Bold;
        text->Italic = Scene.Font.Italic;
        text->Underline = Scene.Font.Underline;
        text->StrikeOut = Scene.Font.StrikeOut;
        text->Extrusion = Scene.ExtrusionPosition();
        object = std::move(text);
    }
    object->Name = objects.DefaultName(kind);
    StoreSettings(*object);
    object->SetSize(w, h, true);
    objects.Append(std::move(object));
    return true;
}

void Tool3DDialogModel::RestoreSettings(const Tool_dm_3d& object)
{
    Transparent = object.Transparent;
    Scene.View.SetStartDepthPosition(object.StartDepthPos);
    Scene.View.SetEndDepthPosition(object.EndDepthPos);
    Scene.View.SetScaleValue(object.ScaleValue);
    Scene.View.ModelMatrix = object.ViewMatrix;
}

void Tool3DDialogModel::StoreSettings(Tool_dm_3d& object)
{
    object.Transparent = Transparent;
    object.StartDepthPos = Scene.View.StartDepthPosition();
    object.EndDepthPos = Scene.View.EndDepthPosition();
    object.ScaleValue = Scene.View.GetScaleValue();
    object.ViewMatrix = Scene.View.ModelMatrix;
}

bool Tool3DDialogModel::Edit_Data_Primitive(Tool_dm_3d_primitive& object)
{
    ShowGroup(Tool3DDialogUi::Group::Primitives);
    Scene.ClearLists(true);
    PrimitiveNumber = 0;
    if (LoadPrimitive(object.PrimitiveNumber))
        ui_.SetPressedPrimitive(object.PrimitiveNumber);
    RestoreSettings(object);
    ui_.SetOkVisible(true);
    Scene.View.DragBlocked = true;
    const bool ok = ui_.ShowModal() == 1;
    if (ok) {
        object.SetSourcePicture(Paint_final());
        StoreSettings(object);
        if (PrimitiveNumber != 0)
            object.PrimitiveNumber = PrimitiveNumber;
    }
    return ok;
}

bool Tool3DDialogModel::Edit_Data_Model(Tool_dm_3d_model& object)
{
    ShowGroup(Tool3DDialogUi::Group::Model);
    Scene.ClearLists(true);
    if (!Model_laden(object.ModelFileName))
        return false;
    RestoreSettings(object);
    ui_.SetOkVisible(true);
    Scene.View.DragBlocked = true;
    const bool ok = ui_.ShowModal() == 1;
    if (ok) {
        object.SetSourcePicture(Paint_final());
        StoreSettings(object);
        object.ModelFileName = ModelFileName;
    }
    return ok;
}

bool Tool3DDialogModel::Edit_Data_Text(Tool_dm_3d_text& object)
{
    Scene.ClearLists(true);
    ShowGroup(Tool3DDialogUi::Group::Text);
    ui_.SetSaveAsImageVisible(true);
    RestoreSettings(object);
    Text3DFont font;
    font.FontName = ChooseFont(object.FontName);
    font.Bold = object.Bold;
    font.Italic = object.Italic;
    font.Underline = object.Underline;
    font.StrikeOut = object.StrikeOut;
    Scene.Font = font;
    Scene.SetExtrusionPosition(object.Extrusion);
    TextBox = object.Text;
    Scene.Text_laden(TextBox);
    ui_.SetViewTitle(TextTitle());
    ui_.SetOkVisible(true);
    Scene.View.DragBlocked = true;
    const bool ok = ui_.ShowModal() == 1;
    if (ok) {
        object.SetSourcePicture(Paint_final());
        StoreSettings(object);
        object.Text = TextBox;
        object.FontName = Scene.Font.FontName;
        object.Bold = Scene.Font.Bold;
        object.Italic = Scene.Font.Italic;
        object.Underline = Scene.Font.Underline;
        object.StrikeOut = Scene.Font.StrikeOut;
        object.Extrusion = Scene.ExtrusionPosition();
    }
    return ok;
}

bool Tool3DDialogModel::EditObject(Tool_dm& object)
{
    if (auto* primitive = dynamic_cast<Tool_dm_3d_primitive*>(&object))
        return Edit_Data_Primitive(*primitive);
    if (auto* model = dynamic_cast<Tool_dm_3d_model*>(&object))
        return Edit_Data_Model(*model);
    if (auto* text = dynamic_cast<Tool_dm_3d_text*>(&object))
        return Edit_Data_Text(*text);
    return false;
}

} // namespace lumora
