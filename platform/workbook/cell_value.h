#pragma once
// The value of one cell: empty, a text, or a number that remembers the kind it was written as
// (single, double or integer), so that reading it as text gives the general-format text of
// that kind: 12.3 written as a single reads back "12.3".
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace xl {

enum class ValueKind : std::uint8_t { Empty, Text, Single, Double, Integer };

class CellValue {
public:
    CellValue() = default;
    CellValue(float v) : value_(v) {}
    CellValue(double v) : value_(v) {}
    CellValue(short v) : value_(static_cast<long long>(v)) {}
    CellValue(int v) : value_(static_cast<long long>(v)) {}
    CellValue(long v) : value_(static_cast<long long>(v)) {}
    CellValue(long long v) : value_(v) {}
    // A text is kept as text, never turned into a number; the empty text is the empty value.
    CellValue(std::string_view text);
    CellValue(const std::string& text) : CellValue(std::string_view(text)) {}
    CellValue(const char* text) : CellValue(std::string_view(text)) {}

    ValueKind Kind() const;
    bool IsEmpty() const { return Kind() == ValueKind::Empty; }
    bool IsText() const { return Kind() == ValueKind::Text; }
    bool IsNumber() const;

    // The value as text: "" for empty, the text itself, or the general-format text of the
    // number in its kind.
    std::string Text() const;
    // The value as a number: 0 for empty, the number, or a text converted strictly
    // (a text that is no number raises error 13).
    double Double() const;
    // As Double, then to single precision (error 6 when out of its range).
    float Single() const;

    bool operator==(const CellValue& other) const = default;

private:
    std::variant<std::monostate, std::string, float, double, long long> value_;
};

} // namespace xl
