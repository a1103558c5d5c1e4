// libFuzzer target: any bytes given to the language file reader give the
// decoded lines or a LumoraError, never a crash, a read out of bounds or a
// runaway allocation; the decoded lines then go through the line parser
// and the Header reader.
#include "app/language_file.h"
#include "app/language_header.h"
#include "app/language_line.h"
#include "common/lumora_error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const lumora::LanguageFile file = lumora::DecodeLanguageFile({data, size});
        volatile qsizetype parts = 0;
        for (const QString& line : file.Lines) {
            const lumora::LanguageLine parsed = lumora::LanguageLine::Parse(line);
            parts = parts + parsed.Component.size() + parsed.Value.size();
        }
        (void)lumora::LanguageHeader::Find(file.Lines);
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
