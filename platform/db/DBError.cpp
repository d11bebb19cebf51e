#include "platform/db/DBError.h"

void DatabaseError(const std::string& Message) {
    throw EDatabaseError(Message);
}

namespace dbmsg {
std::string FieldNotFound(const std::string& Name) {
    return "Field '" + Name + "' not found";
}
std::string ColumnGone(const std::string& Name) {
    return "Field '" + Name +
           "' has no column any more: another program removed it. Close and open the data again";
}
std::string FieldRequired(const std::string& Name) {
    return "Field '" + Name + "' must have a value";
}
std::string FieldReadOnly(const std::string& Name) {
    return "Field '" + Name + "' cannot be modified";
}
std::string FieldTooLong(const std::string& Name, int Size) {
    return "Field '" + Name + "' holds at most " + std::to_string(Size) + " characters";
}
std::string NotInteger(const std::string& Text) {
    return "'" + Text + "' is not a valid integer value";
}
std::string NotFloat(const std::string& Text) {
    return "'" + Text + "' is not a valid floating point value";
}
std::string NotBoolean(const std::string& Text) {
    return "'" + Text + "' is not a valid boolean value";
}
std::string OutOfRange(const std::string& Value, const std::string& Name, const std::string& Min,
                       const std::string& Max) {
    return Value + " is not a valid value for field '" + Name + "'. The allowed range is " + Min +
           " to " + Max;
}
}  // namespace dbmsg
