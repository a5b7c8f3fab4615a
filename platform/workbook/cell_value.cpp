#include "platform/workbook/cell_value.h"

#include <cmath>
#include <limits>

#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

namespace xl {

CellValue::CellValue(std::string_view text) {
    if (!text.empty()) value_ = std::string(text);
}

ValueKind CellValue::Kind() const {
    switch (value_.index()) {
    case 1: return ValueKind::Text;
    case 2: return ValueKind::Single;
    case 3: return ValueKind::Double;
    case 4: return ValueKind::Integer;
    default: return ValueKind::Empty;
    }
}

bool CellValue::IsNumber() const {
    ValueKind k = Kind();
    return k == ValueKind::Single || k == ValueKind::Double || k == ValueKind::Integer;
}

std::string CellValue::Text() const {
    if (auto s = std::get_if<std::string>(&value_)) return *s;
    if (auto f = std::get_if<float>(&value_)) return rt::CStr(*f);
    if (auto d = std::get_if<double>(&value_)) return rt::CStr(*d);
    if (auto i = std::get_if<long long>(&value_)) return rt::CStr(*i);
    return {};
}

double CellValue::Double() const {
    if (auto s = std::get_if<std::string>(&value_)) return rt::CDbl(*s);
    if (auto f = std::get_if<float>(&value_)) return *f;
    if (auto d = std::get_if<double>(&value_)) return *d;
    if (auto i = std::get_if<long long>(&value_)) return static_cast<double>(*i);
    return 0.0;
}

float CellValue::Single() const {
    if (auto f = std::get_if<float>(&value_)) return *f;
    double d = Double();
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
        throw rt::Error(rt::errOverflow,
                        "セルの値 " + rt::CStr(d) + " は単精度の数値の範囲を超えています。値を確かめてください。");
    return static_cast<float>(d);
}

} // namespace xl
