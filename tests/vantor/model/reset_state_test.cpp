// ResetState puts every variable of the computation unit back: each one is changed in turn and
// must read as after a reset again. The variables are those the group lists declare; the
// headers must declare none outside them, and every group list must be in the list of groups.
#include "vantor/model/bus/every_group.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>

namespace {

template <typename T>
T Changed(const T& v) {
    if constexpr (std::is_same_v<T, std::string>) return v + "x";
    else if constexpr (std::is_same_v<T, bool>) return !v;
    else return static_cast<T>(v + 7);
}

template <typename T>
void Change(T& v) {
    v = Changed(v);
}

template <typename T, int... Upper>
void Change(rt::Table<T, Upper...>& t) {
    t.Fill(Changed(T{}));
}

std::string Text(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ResetState, EachGroupDeclaresItsVariablesInOneListAndEveryListIsInTheListOfGroups) {
    const std::filesystem::path folder = VANTOR_SOURCE_DIR "/vantor/model/bus";
    const std::string groups = Text(folder / "every_group.h");
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        if (file == "bus_table.h" || file == "every_group.h") continue;
        int lists = 0;
        std::ifstream header(entry.path());
        for (std::string line; std::getline(header, line);) {
            // A variable declared by hand (constants and functions aside) would escape the reset.
            if (line.starts_with("inline ") && !line.starts_with("inline constexpr")) {
                EXPECT_NE(line.find('('), std::string::npos) << file << " declares outside its list: " << line;
            }
            if (line.starts_with("#define VANTOR_") && line.find("(X)") != std::string::npos) {
                const std::string list = line.substr(8, line.find("(X)") + 3 - 8);
                EXPECT_NE(groups.find(list), std::string::npos) << list << " of " << file << " is not in every_group.h";
                ++lists;
            }
        }
        EXPECT_EQ(lists, 1) << file;
    }
}

TEST(ResetState, PutsEveryVariableBack) {
    縦断bus::ResetState();
#define X(name, ...)                                                                                                   \
    {                                                                                                                  \
        using Type = std::remove_cvref_t<decltype(縦断bus::name)>;                                                     \
        const auto start = std::make_unique<Type>(縦断bus::name); /* tables too large for a stack */                   \
        Change(縦断bus::name);                                                                                         \
        ASSERT_FALSE(縦断bus::name == *start) << #name << " did not change";                                           \
        縦断bus::ResetState();                                                                                         \
        EXPECT_TRUE(縦断bus::name == *start) << #name << " is not reset";                                              \
    }
    VANTOR_EVERY_BUS_VARIABLE(X)
#undef X
}

} // namespace
