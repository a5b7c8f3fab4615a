#pragma once
// Small reads and writes of registry values for the CAD's own keys; missing keys and values
// read as empty or absent.
#include "platform/desktop/registry.h"

#include <optional>
#include <string>

namespace cad::app {

std::optional<std::string> ReadRegString(desk::HKEY root, const std::string& key, const std::string& name);
std::optional<desk::DWORD> ReadRegDword(desk::HKEY root, const std::string& key, const std::string& name);
// Raise rt::Error 1004 naming the key when it cannot be written; the root is flushed.
void WriteRegString(desk::HKEY root, const std::string& key, const std::string& name, const std::string& value);
void WriteRegDword(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD value);

} // namespace cad::app
