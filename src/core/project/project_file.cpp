#include "project/project_file.h"

#include "project/composer_size.h"
#include "project/project.h"
#include "project/render_options_record.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_set>

namespace lumora {

namespace {

// The fixed steps of the progress besides one per object: the composer
// size, the background depth, the two switches and the three counts.
constexpr int32_t kFixedProgressSteps = 7;
// The smallest depth entry: a kind code and the base record's first field.
constexpr size_t kMinDepthEntryBytes = 8;
// Offsets are int32 values: a larger file cannot be one this program wrote.
constexpr qint64 kMaxProjectFileBytes = std::numeric_limits<int32_t>::max();
// All the pictures the depth objects of one file keep, together (2 G
// pixels): each is limited on its own, but a few hundred bytes of records
// can ask for many of them.
constexpr int64_t kMaxDepthPicturePixels = int64_t(1) << 31;

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

QString FileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// Shows the progress window for the operation and closes it however the
// operation ends.
class ProgressScope
{
public:
    explicit ProgressScope(ProjectFileProgress* progress) : progress_(progress) {}
    ~ProgressScope()
    {
        if (progress_ && shown_)
            progress_->CloseProgress();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void Show(ProjectFileProgress::Operation operation, int32_t maximum)
    {
        if (!progress_)
            return;
        progress_->ShowProgress(operation, std::max(maximum, 0));
        shown_ = true;
    }
    void Advance() const
    {
        if (progress_)
            progress_->IncPosition();
    }

private:
    ProjectFileProgress* progress_;
    bool shown_ = false;
};

int32_t ProgressTotal(const Project& project)
{
    return project.Depth.Count() + project.Tiles.Count() + project.Afterburner.Count() +
           kFixedProgressSteps;
}

void WriteHeader(ProjectStreamWriter& stream, int32_t progressTotal)
{
    stream.WriteBytes(
        std::span(reinterpret_cast<const uint8_t*>(kProjectFileMagic), kProjectFileMagicSize));
    stream.WriteByte(kProjectFileVersion);
    stream.WriteText(QString::fromLatin1(kProjectFileDescription));
    stream.WriteInt32(progressTotal);
}

void WriteDepthSection(ProjectStreamWriter& stream, const Project& project,
                       const ProgressScope& progress)
{
    const DepthObjects& depth = project.Depth;
    stream.WriteInt32(depth.VorlageWidth);
    stream.WriteInt32(depth.VorlageHeight);
    progress.Advance();
    stream.WriteByte(depth.BackgroundDepth);
    progress.Advance();
    stream.WriteBool(project.ScaleObjects);
    progress.Advance();
    stream.WriteBool(project.AspectLink);
    progress.Advance();
    stream.WriteInt32(depth.Count());
    progress.Advance();
    for (const auto& object : depth.Items()) {
        stream.WriteInt32(object->Kind);
        object->SaveToStream(stream);
        progress.Advance();
    }
}

void CheckSectionOffset(const ProjectStreamReader& stream, int32_t stored, const char* what)
{
    if (stored < 0 || static_cast<size_t>(stored) != stream.Position())
        throw LumoraError(std::string("The section offset of the ") + what +
                          " does not match the data: the file is damaged.");
}

int32_t ReadComposerDimension(ProjectStreamReader& stream, const char* what)
{
    const int32_t value = stream.ReadInt32();
    // The editor's range: anything else cannot have been saved.
    if (value < 1 || value > 100000)
        throw LumoraError(std::string("The depth map's ") + what + " of " + std::to_string(value) +
                          " pixels is out of range: the file is damaged.");
    return value;
}

void ReadDepthObjects(ProjectStreamReader& stream, DepthObjects& depth,
                      const ProgressScope& progress)
{
    const int32_t count = stream.ReadInt32();
    if (count < 0 || static_cast<size_t>(count) > stream.Remaining() / kMinDepthEntryBytes)
        throw LumoraError("The depth section counts " + std::to_string(count) +
                          " objects, more than the file holds.");
    progress.Advance();
    std::unordered_set<int32_t> ids;
    int64_t picturePixels = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t kind = stream.ReadInt32();
        std::unique_ptr<Tool_dm> object = depth.Kinds.Read(kind, stream);
        if (!object)
            throw LumoraError("Depth object " + std::to_string(i + 1) + " has the unknown kind " +
                              std::to_string(kind) + ".");
        if (object->Id < 1 || !ids.insert(object->Id).second)
            throw LumoraError("Depth object " + std::to_string(i + 1) + " carries the id " +
                              std::to_string(object->Id) + ", which is invalid or used twice.");
        picturePixels += object->HeldPicturePixels();
        if (picturePixels > kMaxDepthPicturePixels)
            throw LumoraError("The pictures of the depth objects up to object " +
                              std::to_string(i + 1) + " would take more than " +
                              std::to_string(kMaxDepthPicturePixels) + " pixels of memory.");
        depth.Append(std::move(object));
        progress.Advance();
    }
    depth.FinishLoading();
}

// Fields 4 to 17 of a version 1 file into the fresh project.
void ReadBody(ProjectStreamReader& stream, Project& project, ProgressScope& progress)
{
    progress.Show(ProjectFileProgress::Operation::Opening, stream.ReadInt32());
    const int32_t offset1 = stream.ReadInt32();
    const int32_t offset2 = stream.ReadInt32();
    const int32_t offset3 = stream.ReadInt32();
    project.Options = ReadRenderOptions(stream);

    CheckSectionOffset(stream, offset1, "project section");
    DepthObjects& depth = project.Depth;
    depth.VorlageWidth = ReadComposerDimension(stream, "width");
    depth.VorlageHeight = ReadComposerDimension(stream, "height");
    // The editor holds a depth buffer of this size: one beyond what any
    // picture of the program may take is refused before it is allocated.
    CheckComposerPixels(depth.VorlageWidth, depth.VorlageHeight);
    progress.Advance();
    depth.BackgroundDepth = stream.ReadByte();
    progress.Advance();
    project.ScaleObjects = stream.ReadBool();
    progress.Advance();
    project.AspectLink = stream.ReadBool();
    progress.Advance();
    ReadDepthObjects(stream, depth, progress);

    CheckSectionOffset(stream, offset2, "tile section");
    project.Tiles.LoadFromStream(stream, [&progress] { progress.Advance(); });

    CheckSectionOffset(stream, offset3, "rendered flag");
    const bool rendered = stream.ReadBool();
    project.Afterburner.LoadFromStream(stream, [&progress] { progress.Advance(); });
    if (!stream.AtEnd())
        throw LumoraError(std::to_string(stream.Remaining()) +
                          " bytes follow the last afterburner object.");
    project.SetFlags(rendered, false, !depth.IsEmpty());
}

} // namespace

NotAProjectFileError::NotAProjectFileError(const QString& path)
    : LumoraError(Utf8("\"" + FileNameOf(path) + "\" is not a Lumora R2 project file.")),
      path_(path)
{
}

DamagedProjectFileError::DamagedProjectFileError(const QString& path, const QString& problem)
    : LumoraError(Utf8("\"" + FileNameOf(path) + "\" cannot be opened: " + problem)), path_(path),
      problem_(problem)
{
}

bool IsProjectFile(std::span<const uint8_t> data)
{
    return data.size() >= static_cast<size_t>(kProjectFileMagicSize) &&
           std::memcmp(data.data(), kProjectFileMagic, kProjectFileMagicSize) == 0;
}

bool IsProjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(kProjectFileMagicSize);
    return IsProjectFile(
        std::span(reinterpret_cast<const uint8_t*>(start.constData()), size_t(start.size())));
}

std::vector<uint8_t> WriteProjectBytes(Project& project, int32_t imageQuality,
                                       ProjectFileProgress* progressWindow)
{
    project.Depth.StoreGroupExpansion();
    project.Depth.RenumberObjects();

    ProgressScope progress(progressWindow);
    const int32_t total = ProgressTotal(project);
    ProjectStreamWriter stream;
    WriteHeader(stream, total);
    progress.Show(ProjectFileProgress::Operation::Saving, total);

    const size_t offset1 = stream.Position();
    stream.WriteInt32(0);
    const size_t offset2 = stream.Position();
    stream.WriteInt32(0);
    const size_t offset3 = stream.Position();
    stream.WriteInt32(0);
    WriteRenderOptions(stream, project.Options);

    stream.PatchInt32(offset1, stream.CurrentOffset());
    WriteDepthSection(stream, project, progress);
    stream.PatchInt32(offset2, stream.CurrentOffset());
    project.Tiles.SaveToStream(stream, imageQuality, [&progress] { progress.Advance(); });
    stream.PatchInt32(offset3, stream.CurrentOffset());
    stream.WriteBool(project.Rendered());
    project.Afterburner.SaveToStream(stream, imageQuality, [&progress] { progress.Advance(); });
    // The offsets are int32: a project beyond 2 GiB cannot be stored.
    (void)stream.CurrentOffset();
    return stream.TakeData();
}

void SaveProject(Project& project, const QString& path, int32_t imageQuality,
                 ProjectFileProgress* progress)
{
    const std::vector<uint8_t> bytes = WriteProjectBytes(project, imageQuality, progress);
    // QSaveFile writes a temporary file beside the target and renames it
    // over the target only when everything was written.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit())
        throw LumoraError(
            Utf8("The project cannot be saved as \"" + path + "\": " + file.errorString()));
    project.FilePath = path;
    project.SetModified(false);
}

ReadProjectResult ReadProjectBytes(std::span<const uint8_t> data, const QString& path,
                                   int32_t resetWidth, int32_t resetHeight,
                                   ProjectFileProgress* progressWindow)
{
    if (!IsProjectFile(data))
        throw NotAProjectFileError(path);
    ReadProjectResult result;
    result.Loaded = std::make_unique<Project>();
    Project& project = *result.Loaded;
    project.Reset(resetWidth, resetHeight);
    project.FilePath = path;

    ProjectStreamReader stream(data);
    stream.Seek(kProjectFileMagicSize);
    ProgressScope progress(progressWindow);
    try {
        const uint8_t version = stream.ReadByte();
        if (version != kProjectFileVersion) {
            // Another version's body is not read: the project stays reset.
            (void)stream.ReadTextOrEmpty();
            return result;
        }
        (void)stream.ReadText();
        ReadBody(stream, project, progress);
    } catch (const NotAProjectFileError&) {
        throw;
    } catch (const LumoraError& e) {
        throw DamagedProjectFileError(path, QString::fromStdString(e.what()));
    } catch (const std::bad_alloc&) {
        throw DamagedProjectFileError(path, "The file needs more memory than is available.");
    }
    result.BodyRead = true;
    return result;
}

ReadProjectResult ReadProjectFile(const QString& path, int32_t resetWidth, int32_t resetHeight,
                                  ProjectFileProgress* progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LumoraError(Utf8("\"" + path + "\" cannot be opened: " + file.errorString()));
    if (file.size() > kMaxProjectFileBytes)
        throw DamagedProjectFileError(path, "The file is larger than a project file can be.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw LumoraError(Utf8("\"" + path + "\" cannot be read: " + file.errorString()));
    return ReadProjectBytes(
        std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), path,
        resetWidth, resetHeight, progress);
}

void AdoptLoadedProject(Project& current, Project& loaded, const QString& path)
{
    current.Options = loaded.Options;
    current.ResetDepthMap(loaded.Depth.VorlageWidth, loaded.Depth.VorlageHeight);
    current.Depth.BackgroundDepth = loaded.Depth.BackgroundDepth;
    current.ScaleObjects = loaded.ScaleObjects;
    current.AspectLink = loaded.AspectLink;
    for (auto& object : loaded.Depth.TakeAll())
        current.Depth.Append(std::move(object));
    current.Depth.FinishLoading();

    current.ResetTiles();
    current.Tiles.AppendLoaded(loaded.Tiles.TakeAll());
    current.ResetAfterburner();
    current.Afterburner.AppendLoaded(loaded.Afterburner.TakeAll());

    current.FilePath = path;
    current.SetFlags(loaded.Rendered(), false, !current.Depth.IsEmpty());
}

bool OpenProject(Project& current, const QString& path, int32_t resetWidth, int32_t resetHeight,
                 ProjectFileProgress* progress)
{
    ReadProjectResult result = ReadProjectFile(path, resetWidth, resetHeight, progress);
    const bool rendered = result.Loaded->Rendered();
    AdoptLoadedProject(current, *result.Loaded, path);
    return rendered;
}

} // namespace lumora
