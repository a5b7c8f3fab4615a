#pragma once
// Files for the DXF tests in the test program's temporary folder, and the independent reader.
#include "tests/support/run_python.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::filesystem::path DxfTestFolder() { return std::filesystem::temp_directory_path(); }

inline std::string WriteTextFile(const std::string& name, const std::string& content) {
    const auto path = DxfTestFolder() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

// Runs a python3 script with the DXF file as argv[1]; returns its output. The script is kept
// beside the DXF file, so that tests running at the same time do not share one.
inline std::string RunPython(const std::string& script, const std::string& dxf) {
    const std::string scriptPath = dxf + ".py";
    std::ofstream(scriptPath, std::ios::binary) << script;
    return test_support::RunPython(scriptPath + " " + dxf);
}

inline std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
