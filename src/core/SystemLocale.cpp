#include "core/SystemLocale.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

struct LocaleEntry {
    std::string_view name; // language, or language_TERRITORY
    int32_t id;
};

// The first entry of each language is its main locale.
constexpr auto kLocales = std::to_array<LocaleEntry>({
    {"en_US", 1033}, {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105}, {"en_NZ", 5129}, {"en_IE", 6153},
    {"en_ZA", 7177}, {"en_IN", 16393}, {"en_SG", 18441},
    {"de_DE", 1031}, {"de_CH", 2055}, {"de_AT", 3079}, {"de_LU", 4103}, {"de_LI", 5127},
    {"fr_FR", 1036}, {"fr_BE", 2060}, {"fr_CA", 3084}, {"fr_CH", 4108}, {"fr_LU", 5132},
    {"it_IT", 1040}, {"it_CH", 2064},
    {"es_ES", 3082}, {"es_MX", 2058}, {"es_AR", 11274}, {"es_CO", 9226}, {"es_CL", 13322}, {"es_US", 21514},
    {"nl_NL", 1043}, {"nl_BE", 2067},
    {"pt_BR", 1046}, {"pt_PT", 2070},
    {"ja_JP", 1041}, {"ko_KR", 1042},
    {"zh_CN", 2052}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_SG", 4100},
    {"sv_SE", 1053}, {"sv_FI", 2077}, {"da_DK", 1030}, {"nb_NO", 1044}, {"nn_NO", 2068}, {"fi_FI", 1035},
    {"pl_PL", 1045}, {"cs_CZ", 1029}, {"sk_SK", 1051}, {"hu_HU", 1038}, {"ru_RU", 1049}, {"uk_UA", 1058},
    {"tr_TR", 1055}, {"el_GR", 1032}, {"he_IL", 1037}, {"ar_SA", 1025}, {"th_TH", 1054}, {"vi_VN", 1066},
    {"id_ID", 1057}, {"ro_RO", 1048}, {"hr_HR", 1050}, {"sl_SI", 1060}, {"bg_BG", 1026}, {"lt_LT", 1063},
    {"et_EE", 1061},
});

} // namespace

int32_t LocaleIdFromName(std::string_view name)
{
    // Drop ".codeset" and "@modifier".
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return 1033;
    std::string key(name);
    for (char& c : key)
        if (c == '-')
            c = '_';
    for (const LocaleEntry& entry : kLocales)
        if (entry.name == key)
            return entry.id;
    const std::string language = key.substr(0, key.find('_'));
    for (const LocaleEntry& entry : kLocales)
        if (entry.name.substr(0, entry.name.find('_')) == language)
            return entry.id;
    return 0;
}

std::string_view LocaleNameFromId(int32_t id)
{
    for (const LocaleEntry& entry : kLocales)
        if (entry.id == id)
            return entry.name;
    return {};
}

int32_t SystemLocaleId()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LocaleIdFromName(value);
    }
    return 1033;
}
