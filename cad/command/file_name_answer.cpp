#include "cad/command/file_name_answer.h"

#include "platform/runtime/conversion.h"

namespace cad::command {

namespace {
// Position of the extension's point in the last path component, or npos.
std::size_t ExtensionStart(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/:");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string_view::npos;
    return dot;
}
} // namespace

std::string FileNameAnswer(std::string_view typed, std::string_view extension) {
    std::string_view name = rt::Trim(typed);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = rt::Trim(name.substr(1, name.size() - 2));
    std::string out(name);
    if (!out.empty() && ExtensionStart(out) == std::string::npos) out += extension;
    return out;
}

std::string WithExtension(std::string_view path, std::string_view extension) {
    return std::string(path.substr(0, ExtensionStart(path))) + std::string(extension);
}

} // namespace cad::command
