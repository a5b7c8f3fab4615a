#include "platform/com/component_stream.h"

#include <stdexcept>

namespace com {

namespace {

constexpr BYTE kInt = 3, kString = 6, kIdent = 7, kFalse = 8, kTrue = 9, kLongString = 12;

void PutName(std::vector<BYTE>& out, const std::string& name) {
    if (name.size() > 255) throw std::length_error("A stream name is longer than 255 bytes: " + name);
    out.push_back(static_cast<BYTE>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
}

void PutInt(std::vector<BYTE>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}

class Reader {
public:
    explicit Reader(std::span<const BYTE> bytes) : bytes_(bytes) {}
    bool Byte(BYTE* v) {
        if (pos_ >= bytes_.size()) return false;
        *v = bytes_[pos_++];
        return true;
    }
    bool Text(std::size_t n, std::string* s) {
        if (bytes_.size() - pos_ < n) return false;
        s->assign(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return true;
    }
    bool Name(std::string* s) {
        BYTE n = 0;
        return Byte(&n) && Text(n, s);
    }
    bool Int(std::uint32_t* v) {
        *v = 0;
        for (int i = 0; i < 4; ++i) {
            BYTE b = 0;
            if (!Byte(&b)) return false;
            *v |= std::uint32_t{b} << (8 * i);
        }
        return true;
    }
    bool Value(StreamValue* v) {
        BYTE tag = 0;
        if (!Byte(&tag)) return false;
        std::uint32_t n = 0;
        std::string s;
        switch (tag) {
        case kInt:
            if (!Int(&n)) return false;
            *v = static_cast<std::int32_t>(n);
            return true;
        case kFalse: *v = false; return true;
        case kTrue: *v = true; return true;
        case kIdent:
            if (!Name(&s)) return false;
            *v = StreamIdent{s};
            return true;
        case kString:
            if (!Name(&s)) return false;
            *v = s;
            return true;
        case kLongString:
            if (!Int(&n) || !Text(n, &s)) return false;
            *v = s;
            return true;
        default: return false;
        }
    }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    std::span<const BYTE> bytes_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<BYTE> WriteComponentStream(const ComponentStream& component) {
    std::vector<BYTE> out{'T', 'P', 'F', '0'};
    PutName(out, component.className);
    PutName(out, component.name);
    for (const auto& [name, value] : component.properties) {
        PutName(out, name);
        if (const auto* i = std::get_if<std::int32_t>(&value)) {
            out.push_back(kInt);
            PutInt(out, static_cast<std::uint32_t>(*i));
        } else if (const auto* b = std::get_if<bool>(&value)) {
            out.push_back(*b ? kTrue : kFalse);
        } else if (const auto* id = std::get_if<StreamIdent>(&value)) {
            out.push_back(kIdent);
            PutName(out, id->name);
        } else {
            const std::string& s = std::get<std::string>(value);
            if (s.size() <= 255) {
                out.push_back(kString);
                PutName(out, s);
            } else {
                out.push_back(kLongString);
                PutInt(out, static_cast<std::uint32_t>(s.size()));
                out.insert(out.end(), s.begin(), s.end());
            }
        }
    }
    out.push_back(0);
    return out;
}

std::optional<ComponentStream> ReadComponentStream(std::span<const BYTE> bytes) {
    if (bytes.size() < 4 || bytes[0] != 'T' || bytes[1] != 'P' || bytes[2] != 'F' || bytes[3] != '0')
        return std::nullopt;
    Reader r(bytes.subspan(4));
    ComponentStream c;
    if (!r.Name(&c.className) || !r.Name(&c.name)) return std::nullopt;
    for (;;) {
        std::string name;
        if (!r.Name(&name)) return std::nullopt;
        if (name.empty()) break;
        StreamValue v;
        if (!r.Value(&v)) return std::nullopt;
        c.properties.emplace_back(std::move(name), std::move(v));
    }
    if (!r.AtEnd()) return std::nullopt;
    return c;
}

} // namespace com
