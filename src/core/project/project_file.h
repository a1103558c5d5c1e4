#pragma once
// Project files (.l2p): the magic "LMAR2_PF_2003", a version byte, a
// description, the progress total, three back-patched section offsets, the
// render options, the composer size, the background depth, the editor's
// two switches, the depth, tile and afterburner sections and the rendered
// flag.
//
// Reading never trusts the file: it is read into a fresh project, and only
// a file read to its end replaces the project the user has. Saving builds
// the file in memory and writes it through a temporary file that is renamed
// over the target, so a failed save leaves the previous file as it was.

#include "common/lumora_error.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumora {

class Project;

inline constexpr char kProjectFileMagic[] = "LMAR2_PF_2003"; // 13 bytes, no length
inline constexpr int kProjectFileMagicSize = 13;
inline constexpr uint8_t kProjectFileVersion = 1;
inline constexpr char kProjectFileDescription[] = "Lumora Release 2 Project file";
inline constexpr char kProjectFileExtension[] = "l2p";
// The file dialogs' filter.
inline constexpr char kProjectFileFilter[] = "LumoraR2 Project File (*.l2p)";

// The progress window of saving and opening (TProgress_Form): shown with
// the operation's caption and the progress total, advanced once per step,
// closed at the end, also when the operation fails.
class ProjectFileProgress
{
public:
    enum class Operation
    {
        Opening, // caption: the language text ProjectProgress1
        Saving,  // caption: ProjectProgress2
    };
    virtual ~ProjectFileProgress() = default;
    virtual void ShowProgress(Operation operation, int maximum) = 0;
    virtual void IncPosition() = 0;
    virtual void CloseProgress() = 0;
};

// The file does not start with the magic: the language text ProjFileError
// is the whole message.
class NotAProjectFileError : public LumoraError
{
public:
    explicit NotAProjectFileError(const QString& path);
    const QString& Path() const { return path_; }

private:
    QString path_;
};

// The file starts like a project file but cannot be read to its end (cut,
// a count or length beyond the data, an unknown kind code, a value out of
// range). what() names the file and the problem; Problem() is the problem
// alone, for a message that puts ProjFileError before it.
class DamagedProjectFileError : public LumoraError
{
public:
    DamagedProjectFileError(const QString& path, const QString& problem);
    const QString& Path() const { return path_; }
    const QString& Problem() const { return problem_; }

private:
    QString path_;
    QString problem_;
};

// The first 13 bytes are the magic; a shorter file or one that cannot be
// read is no project file.
bool IsProjectFile(std::span<const uint8_t> data);
bool IsProjectFile(const QString& path);

// The bytes of the project's file. Before writing, the group expansion is
// stored and the objects are renumbered 1..n (parents, members and the
// undo history follow). JPEG pictures are written at imageQuality (the
// setting Project_image_quality). Progress advances progress-total times.
std::vector<uint8_t> WriteProjectBytes(Project& project, int32_t imageQuality,
                                       ProjectFileProgress* progress = nullptr);

// Save and Save As: writes the file (temporary file, then rename), then
// the project's path is the file's and it is no longer modified. Throws
// LumoraError naming the file when it cannot be written; the project's
// path and flags are then unchanged.
void SaveProject(Project& project, const QString& path, int32_t imageQuality,
                 ProjectFileProgress* progress = nullptr);

// What a read gives the open command.
struct ReadProjectResult
{
    std::unique_ptr<Project> Loaded;
    // Version 1 and the body read. Any other version gives the reset
    // project without a message.
    bool BodyRead = false;
};

// Reads a whole file into a fresh project reset to the composer size of
// the new-project dialog (the size of a file whose version is not 1).
// Throws NotAProjectFileError for a wrong magic, DamagedProjectFileError
// for a body that cannot be read to its end and LumoraError when the file
// cannot be opened.
ReadProjectResult ReadProjectBytes(std::span<const uint8_t> data, const QString& path,
                                   int32_t resetWidth, int32_t resetHeight,
                                   ProjectFileProgress* progress = nullptr);
ReadProjectResult ReadProjectFile(const QString& path, int32_t resetWidth, int32_t resetHeight,
                                  ProjectFileProgress* progress = nullptr);

// The open command's model side: reads the file and, only when it was
// read to its end, resets the current project and moves the loaded stages
// into it (the windows keep observing the same project). The project is
// then titled with the file, not modified, and out of date when it holds
// depth objects. Answers whether the file's rendered flag is set: the
// caller asks NeuRendern and renders on Yes. Throws as ReadProjectFile;
// the current project is then exactly as it was.
bool OpenProject(Project& current, const QString& path, int32_t resetWidth, int32_t resetHeight,
                 ProjectFileProgress* progress = nullptr);

// The reading half of OpenProject: moves a project read by
// ReadProjectBytes into the current one.
void AdoptLoadedProject(Project& current, Project& loaded, const QString& path);

} // namespace lumora
