// Documentation block settings with the keywords the shipped settings file carries, for the
// procedure tools' tests and fuzz target. Header only, without the test framework, so that the
// fuzz target can use it.
#pragma once

#include "generators/DocBlock.h"

#include <string>
#include <utility>

namespace qm::test {

/// Settings for `templateText` dated `date`, with the shipped keywords and no names.
inline generators::DocBlockSettings docBlockSettings(std::string templateText, std::string date)
{
    using Settings = generators::DocBlockSettings;
    const std::pair<std::string Settings::*, const char *> keywords[] = {
        {&Settings::copyrightKeyword, "Copyright"},
        {&Settings::dateCreatedKeyword, "Date Created"},
        {&Settings::authorKeyword, "Author"},
        {&Settings::purposeKeyword, "Purpose"},
        {&Settings::parametersKeyword, "Parameters"},
        {&Settings::returnsKeyword, "Returns"},
    };
    Settings settings;
    settings.templateText = std::move(templateText);
    for (const auto &[field, keyword] : keywords)
        settings.*field = keyword;
    settings.date = std::move(date);
    return settings;
}

} // namespace qm::test
