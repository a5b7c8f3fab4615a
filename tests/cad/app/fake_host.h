#pragma once
// A command host with its files in memory, for the commands that need a host.
#include "cad/command/command_host.h"
#include "platform/runtime/error.h"

#include <map>
#include <string>
#include <vector>

namespace cad::app::testing {

struct FakeHost : command::CommandHost {
    command::SystemVariables variables;
    std::vector<std::string> variablesSet;
    std::string drawingPath;
    std::map<std::string, Drawing> drawings;  // written drawings by path
    std::map<std::string, std::string> texts; // text files by path
    std::vector<std::string> typedLater;
    int quits = 0;
    int newDrawings = 0;
    bool asksFormat = true;
    bool changed = false;

    command::SystemVariables& Variables() override { return variables; }
    void VariableSet(std::string_view name) override { variablesSet.emplace_back(name); }
    bool AsksFileFormat() const override { return asksFormat; }
    std::string DrawingPath() const override { return drawingPath; }
    std::string DrawingName() const override {
        return drawingPath.empty() ? "Drawing1.dwg" : drawingPath.substr(drawingPath.rfind('\\') + 1);
    }
    bool HasUnsavedChanges() const override { return changed; }
    bool FileExists(const std::string& path) override { return drawings.count(path) || texts.count(path); }
    void WriteDrawing(const Drawing& d, const std::string& path, bool becomes) override {
        if (path.find('?') != std::string::npos) throw rt::Error(rt::errApplication, "cannot write " + path);
        drawings[path] = d;
        if (becomes) drawingPath = path, changed = false;
    }
    void WriteTextFile(const std::string& path, const std::string& text) override { texts[path] = text; }
    std::string ReadTextFile(const std::string& path) override {
        const auto it = texts.find(path);
        if (it == texts.end()) throw rt::Error(rt::errApplication, "cannot read " + path);
        return it->second;
    }
    std::vector<std::string> OpenDrawing(const std::string& path, Drawing& d) override {
        const auto it = drawings.find(path);
        if (it == drawings.end()) throw rt::Error(rt::errApplication, "cannot read " + path);
        d = it->second;
        drawingPath = path;
        changed = false;
        return {};
    }
    void TypeLater(std::string text) override { typedLater.push_back(std::move(text)); }
    void Quit() override { ++quits; }
    void StartNewDrawing() override {
        ++newDrawings;
        drawingPath.clear();
        changed = false;
    }
};

} // namespace cad::app::testing
