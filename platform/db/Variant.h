#pragma once
// Variant: one value of a record as the database holds it: null, a 64-bit integer, a double,
// or bytes (text and BLOBs alike). Fields convert it to what their type promises.
#include <cstdint>
#include <string>
#include <variant>

class Variant {
public:
    Variant() = default;
    Variant(std::int64_t v) : m_value(v) {}
    Variant(int v) : m_value(static_cast<std::int64_t>(v)) {}
    Variant(bool v) : m_value(static_cast<std::int64_t>(v ? 1 : 0)) {}
    Variant(double v) : m_value(v) {}
    Variant(std::string v) : m_value(std::move(v)) {}
    Variant(const char* v) : m_value(std::string(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(m_value); }
    bool IsFloat() const { return std::holds_alternative<double>(m_value); }
    bool IsString() const { return std::holds_alternative<std::string>(m_value); }

    std::int64_t Integer() const { return std::get<std::int64_t>(m_value); }
    double Float() const { return std::get<double>(m_value); }
    const std::string& String() const { return std::get<std::string>(m_value); }
    // A readable form of any value: "" for null.
    std::string ToString() const;

    bool operator==(const Variant& other) const = default;

private:
    std::variant<std::monostate, std::int64_t, double, std::string> m_value;
};
