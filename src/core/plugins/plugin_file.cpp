#include "plugins/plugin_file.h"

#include "common/lumora_error.h"
#include "plugins/plugin_value_reader.h"
#include "plugins/plugin_value_writer.h"

#include <QFile>

namespace lumora {

namespace {

// Reads the parts of a plug-in in file order; each step assumes the
// previous ones.
class PlugInFileReader
{
public:
    explicit PlugInFileReader(const QByteArray& data) : values_(data) {}

    // A file cut short inside its header is simply no plug-in.
    bool ReadHeader()
    {
        try {
            return values_.ReadListStart() && values_.ReadText() == QLatin1String(kPlugInMagic) &&
                   values_.ReadText() == QLatin1String(kPlugInVersion);
        } catch (const LumoraError&) {
            return false;
        }
    }

    bool ReadHasScript()
    {
        values_.ReadText();
        values_.ReadText();
        return values_.ReadBoolean();
    }

    QStringList ReadTextList()
    {
        const int32_t count = values_.ReadInteger();
        if (count < 0)
            throw LumoraError("Invalid property value");
        // No reserve(count): the count comes from the file, and each text
        // takes at least two bytes, so the loop ends with the data.
        QStringList lines;
        for (int32_t i = 0; i < count; ++i)
            lines.append(values_.ReadText());
        return lines;
    }

    QString ReadText() { return values_.ReadText(); }

    void ReadTrailer()
    {
        values_.ReadInteger();
        values_.ReadInteger();
        values_.ReadText();
    }

private:
    PlugInValueReader values_;
};

} // namespace

QByteArray ReadPlugInFileBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw LumoraError("The plug-in file \"" + fileName.toStdString() + "\" cannot be opened");
    if (file.size() > kMaxPlugInFileSize)
        throw LumoraError("The plug-in file \"" + fileName.toStdString() + "\" is too large");
    QByteArray data = file.read(kMaxPlugInFileSize + 1);
    if (data.size() > kMaxPlugInFileSize)
        throw LumoraError("The plug-in file \"" + fileName.toStdString() + "\" is too large");
    return data;
}

LumoraError DamagedPlugInError(const QString& fileName, const LumoraError& readError)
{
    return LumoraError("The plug-in file \"" + fileName.toStdString() +
                       "\" is damaged: " + readError.what());
}

PlugInFileState ReadPlugIn(const QByteArray& data, PlugInFile& contents)
{
    PlugInFileReader reader(data);
    if (!reader.ReadHeader())
        return PlugInFileState::NotAPlugIn;
    if (!reader.ReadHasScript())
        return PlugInFileState::NoScript;
    PlugInFile read;
    read.Script = reader.ReadTextList();
    read.PlugInName = reader.ReadText();
    read.Description = reader.ReadTextList();
    read.Author = reader.ReadText();
    read.Country = reader.ReadText();
    read.EMail = reader.ReadText();
    read.Internet = reader.ReadText();
    reader.ReadTrailer();
    contents = std::move(read);
    return PlugInFileState::Usable;
}

PlugInFileState ReadPlugInFile(const QString& fileName, PlugInFile& contents)
{
    const QByteArray data = ReadPlugInFileBytes(fileName);
    try {
        return ReadPlugIn(data, contents);
    } catch (const LumoraError& error) {
        throw DamagedPlugInError(fileName, error);
    }
}

bool CheckPlugInFunction(const QByteArray& data, QString& name)
{
    PlugInFileReader reader(data);
    try {
        if (!reader.ReadHeader() || !reader.ReadHasScript())
            return false;
        reader.ReadTextList();
        name = reader.ReadText();
        return true;
    } catch (const LumoraError&) {
        return false;
    }
}

bool CheckPlugInFunction(const QString& fileName, QString& name)
{
    try {
        return CheckPlugInFunction(ReadPlugInFileBytes(fileName), name);
    } catch (const LumoraError&) {
        return false;
    }
}

QByteArray EncodePlugIn(const PlugInFile& contents)
{
    PlugInValueWriter writer;
    const auto writeList = [&writer](const QStringList& lines) {
        writer.WriteInteger(static_cast<int32_t>(lines.size()));
        for (const QString& line : lines)
            writer.WriteText(line);
    };
    writer.WriteListStart();
    writer.WriteText(QLatin1String(kPlugInMagic));
    writer.WriteText(QLatin1String(kPlugInVersion));
    writer.WriteText(QLatin1String(kPlugInHeaderText1));
    writer.WriteText(QLatin1String(kPlugInHeaderText2));
    writer.WriteBoolean(true);
    writeList(contents.Script);
    writer.WriteText(contents.PlugInName);
    writeList(contents.Description);
    writer.WriteText(contents.Author);
    writer.WriteText(contents.Country);
    writer.WriteText(contents.EMail);
    writer.WriteText(contents.Internet);
    writer.WriteInteger(0);
    writer.WriteInteger(0);
    writer.WriteText(QString());
    return writer.Data();
}

} // namespace lumora
