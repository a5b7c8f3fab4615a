#include "vantor/geometry/alignment/ip_alignment.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/bus/alignment_tables.h"

#include <array>
#include <cmath>

namespace 縦断bus {

namespace {

constexpr char kCheckIpMessage[] = "ＩＰ位置の確認をしてください";

double Distance(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

// Half up to 10 mm; the lengths are never negative.
float RoundTo10mm(double length) { return static_cast<float>(std::floor(length * 0.1 + 0.5) * 10); }

float LegLength(int i) { return static_cast<float>(Distance(ipx(i - 1), ipy(i - 1), ipx(i), ipy(i))); }

// The turn at IP i between legs of the given lengths.
struct Corner {
    float cosine;
    bool unit;   // a cosine of ±1: the legs are collinear, the angle 0
    float angle; // intersection angle 0 .. π
};

Corner CornerAt(int i, float legIn, float legOut) {
    const double in_x = double(ipx(i)) - ipx(i - 1), in_y = double(ipy(i)) - ipy(i - 1);
    const double out_x = double(ipx(i + 1)) - ipx(i), out_y = double(ipy(i + 1)) - ipy(i);
    Corner corner;
    corner.cosine = static_cast<float>((in_x * out_x + in_y * out_y) / (double(legIn) * legOut));
    // Nearly collinear legs can round just past ±1; they are collinear.
    if (std::fabs(corner.cosine) > 1.0f) corner.cosine = std::copysign(1.0f, corner.cosine);
    corner.unit = std::fabs(corner.cosine) == 1.0f;
    const double c = corner.cosine;
    corner.angle = corner.unit ? 0.0f : static_cast<float>(std::atan(-c / std::sqrt(-c * c + 1)) + 2 * std::atan(1.0));
    return corner;
}

float TangentLength(int i, float angle) { return static_cast<float>(double(iphankei(i)) * std::tan(angle * 0.5)); }

std::string Metres(double millimetres) { return rt::CStr(static_cast<float>(millimetres / 1000)) + "m"; }

// The tangents of the two curves on a leg share it: together they must fit in its length, or
// the BC would land behind the EC before it (or behind the start point) and the chainages run
// backwards. An overrun below 1 mm is the rounding of tangents meant to meet exactly.
std::string TangentOverrun(int n) {
    std::array<float, 52> tangent{}; // points 0 and n + 1 have none
    for (int i = 1; i <= n; ++i) tangent[i] = TangentLength(i, CornerAt(i, LegLength(i), LegLength(i + 1)).angle);
    for (int i = 1; i <= n + 1; ++i) {
        const double room = LegLength(i), need = double(tangent[i - 1]) + tangent[i];
        if (need <= room + 1) continue;
        const std::string review = "の曲率半径を見直してください";
        if (tangent[i - 1] > 0 && tangent[i] > 0)
            return AlignmentPointName(i - 1) + "と" + AlignmentPointName(i) + "の接線長の和 " + Metres(need) +
                   " がその間の距離 " + Metres(room) + " より長くなります。" + AlignmentPointName(i - 1) + "か" +
                   AlignmentPointName(i) + review;
        const int ip = tangent[i] > 0 ? i : i - 1, other = ip == i ? i - 1 : i;
        return AlignmentPointName(ip) + "の接線長 " + Metres(need) + " が" + AlignmentPointName(other) + "までの距離 " +
               Metres(room) + " より長くなります。" + AlignmentPointName(ip) + review;
    }
    return {};
}

// Polygons the computation cannot take: fewer than a start and an end point, more points than
// the tables hold, two consecutive points at the same place (a leg of length 0), a negative
// radius, or curves whose tangents do not fit their legs.
std::string RefusalOf(int n) {
    if (n + 2 < 2) return "ＩＰ座標が足りません。起点と終点を含めて２点以上入力してください";
    if (n + 1 > ipx.UBound())
        return "ＩＰ座標が多すぎます。起点と終点を含めて" + rt::CStr(ipx.UBound() + 1) + "点までです";
    for (int i = 1; i <= n + 1; ++i)
        if (ipx(i) == ipx(i - 1) && ipy(i) == ipy(i - 1))
            return AlignmentPointName(i - 1) + "と" + AlignmentPointName(i) + "が同じ位置です。" + kCheckIpMessage;
    for (int i = 1; i <= n; ++i)
        if (iphankei(i) < 0) return AlignmentPointName(i) + "の曲率半径が負の値です。0以上の値を入力してください";
    return TangentOverrun(n);
}

// Steps up to the totals: legs, angles, tangent and curve lengths, BC/EC points.
void LegsAnglesAndCurvePoints(int n, IpAlignmentResult& result) {
    for (int i = 1; i <= n + 1; ++i) ipkyori(i) = LegLength(i);

    for (int i = 1; i <= n; ++i) {
        const Corner corner = CornerAt(i, ipkyori(i), ipkyori(i + 1));
        wkcos = corner.cosine;
        result.unitCosine[i] = corner.unit;
        koukaku(i) = corner.angle;
    }

    for (int i = 1; i <= n; ++i) {
        setsusenchou(i) = TangentLength(i, koukaku(i));
        kyokusenchou(i) = static_cast<float>(koukaku(i) * double(iphankei(i)));
    }

    for (int i = 1; i <= n; ++i) {
        const double tl = setsusenchou(i);
        bczahyou(i, point_col::kX) = static_cast<float>(ipx(i) - (double(ipx(i)) - ipx(i - 1)) * tl / ipkyori(i));
        bczahyou(i, point_col::kY) = static_cast<float>(ipy(i) - (double(ipy(i)) - ipy(i - 1)) * tl / ipkyori(i));
        eczahyou(i, point_col::kX) = static_cast<float>(ipx(i) + (double(ipx(i + 1)) - ipx(i)) * tl / ipkyori(i + 1));
        eczahyou(i, point_col::kY) = static_cast<float>(ipy(i) + (double(ipy(i + 1)) - ipy(i)) * tl / ipkyori(i + 1));
    }
}

void Totals(int n) {
    kyokusengoukei = 0;
    for (int i = 1; i <= n; ++i) kyokusengoukei = static_cast<float>(double(kyokusengoukei) + kyokusenchou(i));
    chokusengoukei = 0;
    double from_x = ipx(0), from_y = ipy(0);
    for (int i = 1; i <= n; ++i) {
        chokusengoukei = static_cast<float>(
            chokusengoukei + Distance(from_x, from_y, bczahyou(i, point_col::kX), bczahyou(i, point_col::kY)));
        from_x = eczahyou(i, point_col::kX);
        from_y = eczahyou(i, point_col::kY);
    }
    chokusengoukei = static_cast<float>(chokusengoukei + Distance(from_x, from_y, ipx(n + 1), ipy(n + 1)));
    souenchou = static_cast<float>(double(chokusengoukei) + kyokusengoukei);
}

// Centre of each curve: the normal to the incoming leg at the BC meets the normal to the
// outgoing leg at the EC. False at the first IP whose normals are parallel.
bool Centres(int n, IpAlignmentResult& result) {
    for (int i = 1; i <= n; ++i) {
        const float d_in = static_cast<float>(double(ipy(i)) - ipy(i - 1));
        const float d_out = static_cast<float>(double(ipy(i + 1)) - ipy(i));
        if (d_in != 0) wkbckatamuki = static_cast<float>((double(ipx(i - 1)) - ipx(i)) / d_in);
        if (d_out != 0) wkeckatamuki = static_cast<float>((double(ipx(i)) - ipx(i + 1)) / d_out);
        if (d_in != 0 && d_out != 0 && wkbckatamuki == wkeckatamuki) {
            result.status = IpAlignmentResult::Status::ParallelNormals;
            result.message = kCheckIpMessage;
            return false;
        }
        if (d_in != 0)
            wkbcseppen =
                static_cast<float>(-double(wkbckatamuki) * bczahyou(i, point_col::kX) + bczahyou(i, point_col::kY));
        if (d_out != 0)
            wkecseppen =
                static_cast<float>(-double(wkeckatamuki) * eczahyou(i, point_col::kX) + eczahyou(i, point_col::kY));
        if (d_in != 0 && d_out != 0) {
            const double b = wkbckatamuki, e = wkeckatamuki, b0 = wkbcseppen, e0 = wkecseppen;
            chuushinx(i) = static_cast<float>((e0 - b0) / (b - e));
            chuushiny(i) = static_cast<float>((e * b0 - b * e0) / (e - b));
        } else if (d_out != 0) { // incoming leg along X: its normal is X = BC.x
            chuushinx(i) = bczahyou(i, point_col::kX);
            chuushiny(i) = static_cast<float>(double(bczahyou(i, point_col::kX)) * wkeckatamuki + wkecseppen);
        } else if (d_in != 0) { // outgoing leg along X: its normal is X = EC.x
            chuushinx(i) = eczahyou(i, point_col::kX);
            chuushiny(i) = static_cast<float>(double(eczahyou(i, point_col::kX)) * wkbckatamuki + wkbcseppen);
        }
    }
    return true;
}

void Directions(int n) {
    for (int i = 1; i <= n + 1; ++i) {
        const float dx = static_cast<float>(double(ipx(i)) - ipx(i - 1));
        const double dy = double(ipy(i)) - ipy(i - 1);
        if (dx != 0) katamuki(i) = static_cast<float>(dy / dx);
        else katamuki(i) = static_cast<float>(dy > 0 ? 3.141592 / 2 : -3.141592 / 2);
    }
}

void RoundedPiecesAndChainages(int n) {
    for (int i = 1; i <= n; ++i) kukanchou(i, kukan_col::kCurve) = RoundTo10mm(kyokusenchou(i));
    eczahyou(0, point_col::kX) = ipx(0);
    eczahyou(0, point_col::kY) = ipy(0);
    for (int i = 1; i <= n; ++i)
        kukanchou(i, kukan_col::kStraight) =
            RoundTo10mm(Distance(eczahyou(i - 1, point_col::kX), eczahyou(i - 1, point_col::kY),
                                 bczahyou(i, point_col::kX), bczahyou(i, point_col::kY)));
    wkkyori = RoundTo10mm(Distance(eczahyou(n, point_col::kX), eczahyou(n, point_col::kY), ipx(n + 1), ipy(n + 1)));
    // Without an IP the whole road is its first straight.
    saishochokusen = n >= 1 ? kukanchou(1, kukan_col::kStraight) : wkkyori;

    iptsuikakyori(0) = 0;
    for (int i = 1; i <= n; ++i) {
        iptsuikakyori(i) = static_cast<float>(double(iptsuikakyori(i - 1)) + kukanchou(i, kukan_col::kStraight) +
                                              kukanchou(i, kukan_col::kCurve));
        bcsokuten(i) = static_cast<float>(double(iptsuikakyori(i - 1)) + kukanchou(i, kukan_col::kStraight));
        ecsokuten(i) = iptsuikakyori(i);
    }
    iptsuikakyori(n + 1) = static_cast<float>(double(iptsuikakyori(n)) + wkkyori);
}

} // namespace

std::string AlignmentPointName(int p) {
    if (p == 0) return "起点";
    if (p == ipsuu + 1) return "終点";
    return "IP" + rt::CStr(p);
}

IpAlignmentResult ComputeIpAlignment() {
    IpAlignmentResult result;
    const int n = ipsuu;
    result.message = RefusalOf(n);
    if (!result.message.empty()) {
        result.status = IpAlignmentResult::Status::Refused;
        return result;
    }
    LegsAnglesAndCurvePoints(n, result);
    Totals(n);
    if (!Centres(n, result)) return result;
    Directions(n);
    RoundedPiecesAndChainages(n);
    return result;
}

} // namespace 縦断bus
