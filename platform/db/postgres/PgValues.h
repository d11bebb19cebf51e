#pragma once
// How PostgreSQL's types map onto the data layer's fields, and the conversions of values
// between libpq's text form and Variant.
#include <string>

#include "platform/db/DataSet.h"

// The field for a result column of type Oid with the type modifier Modifier (a varchar's
// length, a numeric's precision). Types the fields have no kind for (dates, times, uuid,
// exact numbers wider than a double) are text in PostgreSQL's ISO spelling, which reads
// back unchanged.
TFieldDef PgFieldDef(const std::string& Name, unsigned Oid, int Modifier);
// A value as libpq gives it in text form, converted for the field's type.
Variant PgValueFromText(const char* Text, int Length, TFieldType Type);
// A value as a statement's text (or, for bytes, binary) parameter.
std::string PgParamText(const Variant& Value);
// Whether the field's values bind as binary parameters.
inline bool PgIsBinary(TFieldType Type) {
    return Type == ftBlob || Type == ftGraphic;
}
