#include "app/startup_language.h"

namespace {

struct LanguageEntry {
    WORD primaryLanguage;
    const char* code;
};

const LanguageEntry kLanguageTable[] = {
    {0x02, "bg"}, {0x07, "de"}, {0x09, "en"}, {0x18, "ro"}, {0x19, "ru"}, {0x22, "uk"},
    {0x26, "lv"}, {0x27, "lt"}, {0x2A, "vi"}, {0x37, "ka"}, {0x3F, "kk"},
};

bool IsDeclared(const std::vector<std::string>& declaredLocales, const std::string& code)
{
    for (const std::string& locale : declaredLocales)
        if (locale == code)
            return true;
    return false;
}

} // namespace

std::string LanguageCodeForUser(LANGID userLanguage)
{
    const WORD primary = userLanguage & 0x3FF;
    for (const LanguageEntry& entry : kLanguageTable)
        if (entry.primaryLanguage == primary)
            return entry.code;
    return "en";
}

std::string ChooseStartupLanguage(const std::vector<std::string>& declaredLocales,
                                  LANGID userLanguage)
{
    if (declaredLocales.empty())
        return "*";
    const std::string userCode = LanguageCodeForUser(userLanguage);
    if (IsDeclared(declaredLocales, userCode))
        return userCode;
    if (IsDeclared(declaredLocales, "en"))
        return "en";
    return "*";
}
