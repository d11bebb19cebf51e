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
// False for text that is not a finite number a double holds.
bool TryStrToFloat(std::string_view text, double& value);

// The locale's separators for numbers. They are read from the C library's locale the first
// time they are asked for; a program or a test may change them afterwards.
struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
};
TFormatSettings& FormatSettings();

// A decimal number written with the locale's decimal separator, blanks around it ignored;
// raises EConvertError when the text is not one.
double StrToFloat(std::string_view text, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings);
// Strictly a decimal 32-bit integer: an optional sign and digits, nothing else, in range.
bool TryStrToInt32(std::string_view text, std::int32_t& value);

// The value written through a format string: "0" a digit, "#" a digit when there is one,
// "." the decimal separator, "," thousands separators, "E+0"/"E-0" an exponent, quoted
// text and other characters as they stand, and up to three sections separated by ";" for
// positive, negative and zero values. An empty format writes the value as FloatToStr does.
std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings);
// The value FormatFloat(format, value) wrote, read back: literals of the section that
// matches are taken off, a negative section's value is negated. Raises EConvertError.
double StrToFormattedFloat(std::string_view text, std::string_view format,
                           const TFormatSettings& settings);

// The text without leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// ASCII case-insensitive comparison, as component and property names are compared.
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
bool IsValidIdent(std::string_view name);
