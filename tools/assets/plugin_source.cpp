#include "plugin_source.h"

#include "common/lumora_error.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <map>

namespace lumora {

namespace {

const std::array<QString, 7> kSections = {"[Name]",   "[Description]", "[Author]", "[Country]",
                                          "[E-Mail]", "[Internet]",    "[Script]"};

[[noreturn]] void Fail(int lineNumber, const QString& text)
{
    throw LumoraError(QStringLiteral("line %1: %2").arg(lineNumber).arg(text).toStdString());
}

QString SingleLine(const std::map<QString, QStringList>& sections, const QString& name)
{
    const auto it = sections.find(name);
    if (it == sections.end() || it->second.isEmpty())
        return QString();
    if (it->second.size() > 1)
        throw LumoraError(
            QStringLiteral("section %1 holds more than one line").arg(name).toStdString());
    return it->second.first();
}

} // namespace

PlugInFile ParsePlugInSource(const QString& text)
{
    QStringList lines = text.split(u'\n');
    std::map<QString, QStringList> sections;
    QString current;
    int lineNumber = 0;
    for (QString line : lines) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (std::find(kSections.begin(), kSections.end(), trimmed) != kSections.end()) {
            if (sections.count(trimmed) != 0)
                Fail(lineNumber, "section " + trimmed + " appears twice");
            current = trimmed;
            sections[current];
            continue;
        }
        if (current.isEmpty()) {
            if (!trimmed.isEmpty())
                Fail(lineNumber, "text before the first section");
            continue;
        }
        sections[current].append(current == "[Script]" || current == "[Description]" ? line
                                                                                     : trimmed);
    }
    for (auto& [name, body] : sections) {
        while (!body.isEmpty() && body.last().trimmed().isEmpty())
            body.removeLast();
    }
    if (sections.count("[Name]") == 0 || SingleLine(sections, "[Name]").isEmpty())
        throw LumoraError("the plug-in has no [Name]");
    if (sections.count("[Script]") == 0 || sections["[Script]"].isEmpty())
        throw LumoraError("the plug-in has no [Script]");

    PlugInFile p;
    p.PlugInName = SingleLine(sections, "[Name]");
    p.Description = sections["[Description]"];
    p.Author = SingleLine(sections, "[Author]");
    p.Country = SingleLine(sections, "[Country]");
    p.EMail = SingleLine(sections, "[E-Mail]");
    p.Internet = SingleLine(sections, "[Internet]");
    p.Script = sections["[Script]"];
    return p;
}

} // namespace lumora
