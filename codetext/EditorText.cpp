// Line ends between files and the editor's text box.
#include "codetext/EditorText.h"

namespace qm::codetext {

std::string_view lineEndOf(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            return "\n";
        if (text[i] == '\r')
            return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return "\r\n";
}

std::string toEditorText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string fromEditorText(std::string_view editorText, std::string_view lineEnd)
{
    std::string out;
    out.reserve(editorText.size() + editorText.size() / 16);
    for (char c : editorText) {
        if (c == '\n')
            out.append(lineEnd);
        else
            out += c;
    }
    return out;
}

} // namespace qm::codetext
