// Field definitions and value conversions for PostgreSQL's types.
#include "platform/db/postgres/PgValues.h"

#include <libpq-fe.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {
// Type identifiers from the server's catalogue (pg_type); they are fixed for built-in types.
enum : unsigned {
    kBool = 16,
    kBytea = 17,
    kChar = 18,
    kName = 19,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kText = 25,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kBpchar = 1042,
    kVarchar = 1043,
    kDate = 1082,
    kTime = 1083,
    kTimestamp = 1114,
    kTimestampTz = 1184,
    kTimeTz = 1266,
    kNumeric = 1700,
    kUuid = 2950,
};
// A double holds every number of up to 15 significant digits exactly.
constexpr int kDoubleDigits = 15;
// The varlena header PostgreSQL adds to a declared length.
constexpr int kHeader = 4;
}  // namespace

TFieldDef PgFieldDef(const std::string& Name, unsigned Oid, int Modifier) {
    TFieldDef def;
    def.Name = Name;
    auto text = [&](int Size) {
        def.DataType = ftString;
        def.Size = Size;
    };
    switch (Oid) {
        case kBool: def.DataType = ftBoolean; break;
        case kInt2:
        case kInt4: def.DataType = ftInteger; break;
        case kInt8:
        case kOid: def.DataType = ftLargeint; break;
        case kFloat4:
        case kFloat8: def.DataType = ftFloat; break;
        case kNumeric: {
            const int precision = Modifier >= kHeader ? ((Modifier - kHeader) >> 16) & 0xffff : 0;
            if (precision > 0 && precision <= kDoubleDigits)
                def.DataType = ftFloat;
            else
                text(precision > 0 ? precision + 2 : 0);
            break;
        }
        case kBytea: def.DataType = ftBlob; break;
        case kVarchar:
        case kBpchar:
            if (Modifier > kHeader)
                text(Modifier - kHeader);
            else
                def.DataType = ftMemo;
            break;
        case kChar: text(1); break;
        case kName: text(63); break;
        case kDate: text(10); break;                 // 2024-02-29
        case kTime: text(15); break;                 // 23:59:59.999999
        case kTimeTz: text(21); break;               // 23:59:59.999999+05:30
        case kTimestamp: text(26); break;            // date, space, time
        case kTimestampTz: text(32); break;          // and its zone
        case kUuid: text(36); break;
        case kText:
        default: def.DataType = ftMemo; break;
    }
    return def;
}

Variant PgValueFromText(const char* Text, int Length, TFieldType Type) {
    switch (Type) {
        case ftBoolean: return Variant(Text[0] == 't');
        case ftInteger:
        case ftLargeint: return Variant(static_cast<std::int64_t>(std::strtoll(Text, nullptr, 10)));
        case ftFloat: return Variant(std::strtod(Text, nullptr));
        case ftBlob:
        case ftGraphic: {
            std::size_t size = 0;
            unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(Text), &size);
            if (!bytes) DatabaseError("Out of memory reading a binary value");
            std::string value(reinterpret_cast<const char*>(bytes), size);
            PQfreemem(bytes);
            return Variant(std::move(value));
        }
        default: return Variant(std::string(Text, static_cast<std::size_t>(Length)));
    }
}

std::string PgParamText(const Variant& Value) {
    if (Value.IsInteger()) return std::to_string(Value.Integer());
    if (Value.IsFloat()) {
        const double d = Value.Float();
        if (std::isnan(d)) return "NaN";
        if (std::isinf(d)) return d > 0 ? "Infinity" : "-Infinity";
        // The shortest text that reads back as the same double, so that a value compares
        // equal with the one the server sent.
        char buffer[32];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, d);
        return std::string(buffer, end);
    }
    return Value.ToString();
}
