// The procedure documentation block: a template filled with the procedure's name, parameters,
// return type, author, company, date and its old comments, put under the header line.
#pragma once

#include <string>
#include <string_view>

namespace qm::common {
struct DocumentationKeywords;
}

namespace qm::generators {

struct DocBlockSettings
{
    std::string templateText;
    // The keyword texts of the settings' DocumentationKeyWords section.
    std::string copyrightKeyword;
    std::string dateCreatedKeyword;
    std::string authorKeyword;
    std::string purposeKeyword;
    std::string parametersKeyword;
    std::string returnsKeyword;
    std::string programmer; ///< the 30-character field, padding kept
    std::string company;    ///< the 30-character field, padding kept
    std::string date;       ///< today, "m/d/yyyy"

    /// Takes the six keyword texts from the settings' keywords.
    void useKeywords(const common::DocumentationKeywords &keywords);
};

/// The selected procedure with its documentation block under the header line (a header with
/// " _" continuations stays whole above it): the comment lines above and directly below the
/// header go into the block (separator lines and blank lines there are dropped). Every line
/// ends with CR LF. Throws UserMessageError ("Proc Not Selected") when the text holds no
/// "Sub " or "Function " header line, so that no comment is dropped from a text that is not a
/// procedure.
std::string DocumentProcedure(std::string_view code, const DocBlockSettings &settings);

} // namespace qm::generators
