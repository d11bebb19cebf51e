#pragma once
// The framework's exceptions, as the VCL names them, and the conversions that raise them.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The base of every error the framework raises; Message() is what the user is shown.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};
// A form description that cannot be read.
class EReadError : public Exception {
public:
    using Exception::Exception;
};
class EWriteError : public Exception {
public:
    using Exception::Exception;
};
class EClassNotFound : public EReadError {
public:
    using EReadError::EReadError;
};
class EComponentError : public Exception {
public:
    using Exception::Exception;
};
class EListError : public Exception {
public:
    using Exception::Exception;
};
class EStringListError : public EListError {
public:
    using EListError::EListError;
};
class EPropertyError : public Exception {
public:
    using Exception::Exception;
};
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

std::string IntToStr(std::int64_t value);
// Accepts decimal and "$"/"0x" hexadecimal, with an optional sign.
std::int64_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, std::int64_t& value);
std::string FloatToStr(double value);
double StrToFloat(std::string_view text);

// ASCII case-insensitive comparison, as component and property names are compared.
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
bool IsValidIdent(std::string_view name);
