#include "checker/check_options.h"

#include <cstddef>

const char* const kCheckUsage =
    "usage: kiveron-check [--preview DIR [--guides]] [--codepage N] path\\to\\kiveron.lst";

namespace {

// Code pages are 16-bit numbers; 0 would mean "the system's" and is not
// something to ask for.
bool ParseCodePage(const std::string& text, unsigned& codePage)
{
    if (text.empty() || text.size() > 5)
        return false;
    unsigned value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(digit - '0');
    }
    if (value == 0 || value > 65535)
        return false;
    codePage = value;
    return true;
}

bool TakeValue(const std::vector<std::string>& arguments, std::size_t& index, std::string& value)
{
    if (index + 1 >= arguments.size())
        return false;
    value = arguments[++index];
    return !value.empty();
}

} // namespace

bool ParseCheckOptions(const std::vector<std::string>& arguments, CheckOptions& options,
                       std::string& error)
{
    options = CheckOptions();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string value;
        if (argument == "--preview") {
            if (!TakeValue(arguments, i, options.previewFolder)) {
                error = "--preview needs a folder";
                return false;
            }
        } else if (argument == "--guides") {
            options.guides = true;
        } else if (argument == "--codepage") {
            if (!TakeValue(arguments, i, value) || !ParseCodePage(value, options.codePage)) {
                error = "--codepage needs a code page number such as 1252";
                return false;
            }
        } else if (argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
            error = "unknown option " + argument;
            return false;
        } else if (!options.menuPath.empty()) {
            error = "one menu file only: " + argument;
            return false;
        } else {
            options.menuPath = argument;
        }
    }
    if (options.guides && options.previewFolder.empty()) {
        error = "--guides needs --preview DIR";
        return false;
    }
    if (options.menuPath.empty()) {
        error = "no menu file given";
        return false;
    }
    return true;
}
