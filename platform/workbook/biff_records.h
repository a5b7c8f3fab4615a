#pragma once
// Record types of the BIFF8 workbook stream and a little-endian byte builder for them.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace xl::detail::biff {

enum Record : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodepage = 0x0042,
    kDefColWidth = 0x0055,
    kFont = 0x0031,
    kColInfo = 0x007D,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRow = 0x0208,
    kDefaultRowHeight = 0x0225,
    kWindow2 = 0x023E,
    kRk = 0x027E,
    kStyle = 0x0293,
    kFormat = 0x041E,
    kBof = 0x0809,
};

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::size_t kMaxRecordData = 8224;

// Number formats that tell the kind a number was written as (see xls_writer.cpp).
constexpr int kGeneralFormat = 0;  // doubles
constexpr int kIntegerFormat = 1;  // built-in "0": integers
constexpr int kSingleFormat = 164; // a format of our own: singles
// Shown as General everywhere, and written by no other program for its plain numbers.
constexpr std::u16string_view kSingleFormatCode = u"General;-General";
// What other programs write for plain numbers, and what earlier versions wrote for singles.
constexpr std::u16string_view kGeneralFormatCode = u"General";

// The first cell format; formats 0 .. 14 are style formats.
constexpr int kDefaultCellXf = 15;

class Bytes {
public:
    void U8(unsigned v) { Little<1>(v); }
    void U16(unsigned v) { Little<2>(v); }
    void U32(std::uint32_t v) { Little<4>(v); }
    void F64(double v) { Little<8>(std::bit_cast<std::uint64_t>(v)); }
    void Append(const Bytes& other) {
        Room(other.size_);
        std::copy_n(other.data_.begin(), other.size_, data_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += other.size_;
    }
    // A record: type, length, data (at most kMaxRecordData bytes).
    void Put(Record type, const Bytes& body) {
        U16(type);
        U16(static_cast<unsigned>(body.Size()));
        Append(body);
    }
    void Reserve(std::size_t n) { Room(n); }
    void Clear() { size_ = 0; }
    std::size_t Size() const { return size_; }
    std::span<const std::uint8_t> View() const { return {data_.data(), size_}; }
    // The bytes written, as a vector of their size.
    std::vector<std::uint8_t>& Data() {
        data_.resize(size_);
        return data_;
    }

private:
    void Room(std::size_t n) {
        if (data_.size() - size_ < n) data_.resize(std::max(2 * data_.size(), size_ + n + 64));
    }
    // The low n bytes of v, least significant first.
    template <std::size_t N>
    void Little(std::uint64_t v) {
        Room(N);
        std::uint8_t* at = data_.data() + size_;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(at, &v, N);
        } else {
            for (std::size_t k = 0; k < N; ++k) at[k] = static_cast<std::uint8_t>(v >> (8 * k));
        }
        size_ += N;
    }

    std::vector<std::uint8_t> data_; // room to write in; the first size_ bytes are written
    std::size_t size_ = 0;
};

} // namespace xl::detail::biff
