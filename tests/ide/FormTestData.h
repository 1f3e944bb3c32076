// The sample component files under tests/data/ide/forms, read as bytes.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace qm::test {

inline std::string formDataPath(std::string_view name)
{
    return std::string(QM_SOURCE_DIR) + "/tests/data/ide/forms/" + std::string(name);
}

inline std::string formData(std::string_view name)
{
    std::ifstream in(formDataPath(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

/// Replaces every occurrence of a text, for variants of the samples.
inline std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace qm::test
