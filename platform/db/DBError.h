#pragma once
// The data layer's exception, and the texts of the refusals it raises.
#include <string>

#include "platform/vcl/core/SysUtils.h"

// Every refusal of a dataset, a field or a database: the message is the user's to read.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

[[noreturn]] void DatabaseError(const std::string& Message);

namespace dbmsg {
inline constexpr const char* DataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* DataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* DataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* DataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr const char* NotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* RecordNotFound =
    "Record not found: it was deleted or changed by another user";
inline constexpr const char* BookmarkInvalid = "Bookmark not found for this dataset";
std::string FieldNotFound(const std::string& Name);
std::string ColumnGone(const std::string& Name);
std::string FieldRequired(const std::string& Name);
std::string FieldReadOnly(const std::string& Name);
std::string FieldTooLong(const std::string& Name, int Size);
std::string NotInteger(const std::string& Text);
std::string NotFloat(const std::string& Text);
std::string NotBoolean(const std::string& Text);
std::string OutOfRange(const std::string& Value, const std::string& Name, const std::string& Min,
                       const std::string& Max);
}  // namespace dbmsg
